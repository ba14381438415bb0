#include "app/Setup.h"

#include "files/ErrorLog.h"
#include "files/TProgramSettings.h"
#include "files/TTextFile.h"
#include "files/TextUtils.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

#include <string>

namespace {

// A path inside a desktop entry's Exec key: quoted, with the characters the
// format reserves escaped.
std::string QuotedExec(const std::string& Path) {
    std::string Result = "\"";
    for (char C : Path) {
        if (C == '"' || C == '`' || C == '$' || C == '\\') Result += '\\';
        if (C == '%') Result += '%';
        Result += C;
    }
    return Result + "\"";
}

} // namespace

void FirstRunSetup(TProgramSettings& Store) {
    if (MessageDlg("Do you want to create an icon for Clavora?", mtConfirmation, mbYes | mbNo) ==
        mrYes)
        CreateDesktopEntry();
    ApplySetupFile(Store);
    // The layouts just seeded are the ones the options page offers.
    Store.ReadLayoutNames();
}

void ApplySetupFile(TProgramSettings& Store) {
    TTextFile Setup;
    const int Status = Setup.Open("setup.net", TTextFile::tmRead);
    if (Status != 1) {
        LogError(Status, "File Setup.Net open failed.");
        return;
    }
    std::string Line;
    for (;;) {
        const int Result = Setup.NextLine(Line, 255);
        if (!Line.empty()) {
            const TStringList Fields = Split(Line, "\\=");
            if (Fields.size() >= 3) Store.WriteValue(Fields[0], Fields[1], Fields[2]);
        }
        if (Result != 1) break;
    }
    Setup.Close();
}

bool CreateDesktopEntry() {
    // The desktop's menu plays the part of the program group, its entry
    // with an icon the part of the program item.
    const std::string DataHome = UserFolders::DataHome();
    const std::string Applications = DataHome + "/applications";
    const std::string IconFolder = DataHome + "/icons/hicolor/64x64/apps";
    const std::string Program = Application::ProgramDirectory() + "/clavora";
    const std::string IconFile = IconFolder + "/clavora.png";

    const std::string Entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Version=1.0\n"
                              "Name=Clavora 98\n"
                              "GenericName=Touch Typing Tutor\n"
                              "Comment=Learn to touch type with guided lessons, drills and games\n"
                              "Exec=" +
                              QuotedExec(Program) +
                              "\n"
                              "Icon=" +
                              IconFile +
                              "\n"
                              "Terminal=false\n"
                              "Categories=Education;\n";
    if (DataHome.empty() || !MakeFolders(Applications) ||
        !ReplaceFile(Applications + "/clavora.desktop", Entry)) {
        MessageDlg("#6432 Clavora was unable to create a program group", mtInformation, mbOK);
        return false;
    }
    std::string Icon;
    ReadWholeFile(ResolveFileName(Application::ProgramDirectory() + "/Pictures/Clavora.png"), Icon);
    if (Icon.empty() || !MakeFolders(IconFolder) || !ReplaceFile(IconFile, Icon)) {
        MessageDlg("#6433 Clavora was unable to create a program icon", mtInformation, mbOK);
        return false;
    }
    return true;
}

void CreateProgramGroup(TProgramSettings& Store) {
    CreateDesktopEntry();
    ApplySetupFile(Store);
    MessageDlg("Installation done! Please restart Clavora using icon created.", mtInformation,
               mbOK);
}
