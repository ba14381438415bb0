#include "app/Installation.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Help.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

// An ordinary file that can be opened for reading.
bool Readable(const std::string& Path) {
    if (!FileExists(Path)) return false;
    const int Fd = open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (Fd < 0) return false;
    char Byte;
    const bool Ok = read(Fd, &Byte, 1) >= 0;
    close(Fd);
    return Ok;
}

// At most this many names are listed; the rest are counted.
constexpr size_t ListedNames = 12;

} // namespace

std::vector<std::string> MissingMaterial() {
    const std::string Folder = Application::ProgramDirectory();
    std::vector<std::string> Names;
    for (QWidget* Window : QApplication::topLevelWidgets())
        // The picture controls carry no meta-object of their own.
        for (const QWidget* Child : Window->findChildren<QWidget*>())
            if (const auto* Image = dynamic_cast<const TImage*>(Child);
                Image && !Image->PictureName().empty())
                Names.push_back("Pictures/" + Image->PictureName());
    std::sort(Names.begin(), Names.end());
    Names.erase(std::unique(Names.begin(), Names.end()), Names.end());
    std::vector<std::string> Missing;
    for (const std::string& Name : Names)
        if (!Readable(ResolveFileName(Folder + "/" + Name))) Missing.push_back(Name);
    if (!Application::HelpFile().empty() && !Readable(HelpPageFor(Application::HelpFile()))) {
        std::string Base = Application::HelpFile();
        Base.erase(std::min(Base.rfind('.'), Base.size()));
        Missing.push_back(Base + ".html");
    }
    return Missing;
}

bool InstallationComplete() {
    const std::vector<std::string> Missing = MissingMaterial();
    if (Missing.empty()) return true;
    std::string Text = "Clavora cannot start: its installation is incomplete.\r\r"
                       "The folder " +
                       Application::ProgramDirectory() + " lacks, or cannot read:\r";
    for (size_t I = 0; I < Missing.size() && I < ListedNames; ++I)
        Text += "    " + Missing[I] + "\r";
    if (Missing.size() > ListedNames)
        Text += "    and " + std::to_string(Missing.size() - ListedNames) + " more\r";
    Text += "\rPlease install Clavora again.";
    MessageDlg(Text, mtError, mbOK);
    return false;
}
