#include "files/TFileDevice.h"

#include "platform/SharedFile.h"

namespace {

TFileDevice SystemDevice;
TFileDevice* Installed = nullptr;

} // namespace

long long TFileDevice::Write(TSharedFile& File, const void* Bytes, size_t Count) {
    return File.Write(Bytes, Count);
}

int TFileDevice::Close(TSharedFile& File) {
    return File.Close();
}

TFileDevice& FileDevice() {
    return Installed ? *Installed : SystemDevice;
}

void SetFileDevice(TFileDevice* Device) {
    Installed = Device;
}

TFileDevice* InstalledFileDevice() {
    return Installed;
}
