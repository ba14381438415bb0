// What the program's files write and close through. The system's files
// normally; a test installs a stand-in that fails as a full or broken disk
// would, to check that such a failure is reported and loses nothing.
#pragma once

#include <cstddef>

class TSharedFile;

class TFileDevice {
public:
    virtual ~TFileDevice() = default;
    // Writes Count bytes at the file's offset: the bytes written (fewer when
    // the disk takes no more), or -1.
    virtual long long Write(TSharedFile& File, const void* Bytes, size_t Count);
    // Syncs what was written and closes the file: 0, or the errno of the
    // failed sync or close. The file is closed either way.
    virtual int Close(TSharedFile& File);
};

// The device in use.
TFileDevice& FileDevice();
// Replaces the device (tests); nullptr restores the system's. The caller
// keeps ownership of the device it installs.
void SetFileDevice(TFileDevice* Device);
// The device installed, nullptr while the system's is in use.
TFileDevice* InstalledFileDevice();
