#include "platform/Help.h"

#include "platform/Application.h"
#include "platform/FileNames.h"
#include "platform/ShellOpen.h"

std::string HelpPageFor(const std::string& HelpFile) {
    std::string Base = HelpFile;
    const size_t Dot = Base.rfind('.');
    if (Dot != std::string::npos) Base.erase(Dot);
    return ResolveFileName(Application::ProgramDirectory() + "/" + Base + ".html");
}

bool ShowHelpTopic(int Topic) {
    const std::string& HelpFile = Application::HelpFile();
    if (HelpFile.empty()) return false;
    std::string Page = HelpPageFor(HelpFile);
    if (Page.empty() || Page[0] != '/') return false;
    return ShellOpen("file://" + Page + "#topic" + std::to_string(Topic)) > 32;
}
