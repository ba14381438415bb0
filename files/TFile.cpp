#include "files/TFile.h"

#include "files/TFileDevice.h"
#include "platform/FileNames.h"

#include <limits>

TFile::~TFile() {
    Close();
}

int32_t TFile::Close() {
    if (!FHandle.IsOpen()) return Status;
    Status = FileDevice().Close(FHandle) == 0 ? fsClosed : fsCloseFailed;
    return Status;
}

bool TFile::BeginOpen(const std::string& Name) {
    if (Status == fsOk && FHandle.IsOpen()) {
        Status = fsAlreadyOpen;
        return false;
    }
    FHandle.Close();
    FileName = Name.substr(0, MaxShortString);
    return true;
}

int32_t TFile::Refused() {
    Status = fsOpenRefused;
    Size = -1;
    Position = -1;
    return Status;
}

int32_t TFile::Advanced(int32_t From, int64_t Count) {
    const int64_t To = int64_t(From) + Count;
    if (To > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (To < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(To);
}

TStringList TFile::ListNames(const std::string& Mask) {
    TStringList Names;
    for (const std::string& Name : ListFiles(Mask))
        Names.push_back(CapitalizeName(Name.substr(0, Name.find('.'))));
    return Names;
}

TStringList TFile::ListNamesWithFirst(const std::string& Mask, const std::string& First) {
    TStringList Names = ListNames(Mask);
    Names.insert(Names.begin(), First);
    return Names;
}
