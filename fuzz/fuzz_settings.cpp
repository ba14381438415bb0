// Arbitrary bytes as the settings file: the store reads them, the settings
// load from them, and a value written survives a reread unchanged.
#include "files/TProgramSettings.h"
#include "files/TRegIniFile2.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string Folder;

void Prepare() {
    if (!Folder.empty()) return;
    char Template[] = "/tmp/clavora-fuzz-settings-XXXXXX";
    if (!mkdtemp(Template)) abort();
    Folder = Template;
    setenv("XDG_CONFIG_HOME", Folder.c_str(), 1);
    setenv("XDG_DATA_HOME", (Folder + "/data").c_str(), 1);
    mkdir((Folder + "/Veltrona").c_str(), 0755);
    if (chdir(Folder.c_str()) != 0) abort();
    // Questions are answered No, reports OK, without windows.
    SetDialogResponder([](const TDialogRequest& R) { return R.Buttons & mbNo ? mrNo : mrOk; });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Prepare();
    const std::string Name = Folder + "/Veltrona/Clavora.ini";
    const int Fd = open(Name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (Fd < 0) abort();
    if (Size && write(Fd, Data, Size) != ssize_t(Size)) abort();
    close(Fd);

    TProgramSettings Store;
    Store.Load();
    if (Store.DataPath.empty() || (Store.DataPath.back() != '\\' && Store.DataPath.back() != '/'))
        abort();
    Store.KeyboardAutoDetect = false;
    for (const std::string& Layout : Store.LayoutNames) {
        Store.KeyboardLayout = Layout;
        Store.LayoutFileFor("qwerty.kbd");
    }
    // What is written reads back the same, whatever surrounds it.
    const std::string Value(reinterpret_cast<const char*>(Data), Size < 64 ? Size : 64);
    Store.WriteSetting("LastUser", Value);
    TRegIniFile2 Again;
    if (!Again.OpenKey("\\SOFTWARE\\Veltrona\\Clavora", false)) abort();
    std::string Expected = Value;
    for (char& C : Expected)
        if (C == '\r' || C == '\n') C = ' ';
    if (Again.ReadString("General Settings", "LastUser", "?") != Expected) abort();
    ClearDialogLog();
    return 0;
}
