#include "app/CommandLine.h"

#include "files/ProductInfo.h"
#include "files/TextUtils.h"

#include <clocale>
#include <cstdio>
#include <cwchar>

namespace {

// The options the toolkit takes out of the command line itself, and whether
// each takes a value in the next argument; "-style=fusion" forms take theirs
// after "=". Anything else with one dash is no option of anybody's.
enum TToolkitOption { toNone, toFlag, toWithValue };

TToolkitOption ToolkitOption(const std::string& Argument) {
    static const char* const WithValue[] = {
        "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",  "-qwindowgeometry",
        "-qwindowicon", "-qwindowtitle",       "-session",       "-display", "-geometry",
        "-style",       "-stylesheet",         "-name",          "-title",   "-visual"};
    static const char* const Flags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    for (const char* Name : WithValue)
        if (Argument == Name) return toWithValue;
    for (const char* Name : Flags)
        if (Argument == Name) return toFlag;
    for (const char* Prefix : {"-style=", "-stylesheet=", "-qmljsdebugger="})
        if (Argument.rfind(Prefix, 0) == 0) return toFlag;
    return toNone;
}

TCommandLine Error(const std::string& What) {
    return {TCommandLine::caError, What};
}

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments, bool ToolkitOptionsLeft) {
    std::vector<std::string> Own;
    for (size_t I = 0; I < Arguments.size(); ++I) {
        // An option's value is taken as it stands, dashes and all.
        if ((Arguments[I] == "--exercise" || Arguments[I] == "--course") &&
            I + 1 < Arguments.size()) {
            Own.push_back(Arguments[I]);
            Own.push_back(Arguments[++I]);
            continue;
        }
        if (ToolkitOptionsLeft) {
            const TToolkitOption Kind = ToolkitOption(Arguments[I]);
            if (Kind == toWithValue && I + 1 < Arguments.size()) ++I;
            if (Kind != toNone) continue;
        }
        Own.push_back(Arguments[I]);
    }
    if (Own.empty()) return {};
    const std::string& First = Own[0];
    const auto Single = [&](TCommandLine::TAction Action) -> TCommandLine {
        if (Own.size() > 1) return Error("unexpected argument '" + Own[1] + "'");
        return {Action, ""};
    };
    const auto WithValue = [&](TCommandLine::TAction Action) -> TCommandLine {
        if (Own.size() < 2) return Error("option '" + First + "' needs a value");
        if (Own.size() > 2) return Error("unexpected argument '" + Own[2] + "'");
        return {Action, Own[1]};
    };
    if (First == "--help" || First == "-h") return Single(TCommandLine::caHelp);
    if (First == "--version") return Single(TCommandLine::caVersion);
    if (UpperCase(First) == "/AUTOSETUP") return Single(TCommandLine::caAutoSetup);
    if (First == "--exercise") return WithValue(TCommandLine::caExercise);
    if (First == "--course") return WithValue(TCommandLine::caCourse);
    if (!First.empty() && (First[0] == '-' || First[0] == '/'))
        return Error("unknown option '" + First + "'");
    return Error("unexpected argument '" + First + "'");
}

std::string UsageText() {
    return "Usage: clavora [option]\n"
           "A touch-typing tutor: with no option, the book opens at its cover.\n"
           "\n"
           "Options:\n"
           "  --exercise <line>  type one exercise line on its own, for example\n"
           "                     --exercise \"Try=TEXT;1;The quick brown fox.;TRUE\"\n"
           "  --course <file>    run one course from its first chapter\n"
           "  /AUTOSETUP         add Clavora to the desktop's menu, set up, and end\n"
           "  --help             show this help and end\n"
           "  --version          show the version and build and end\n";
}

std::string VersionText() {
    return std::string(ProductInfo::Title) + " " + ProductInfo::Version + " (build " +
           ProductInfo::Build + ")";
}

std::string BuildLine() {
    return std::string("Build: ") + ProductInfo::Build + "; " + ProductInfo::BuildDate;
}

bool LocaleTextToLatin1(const std::string& Text, std::string& Latin1, std::string& Refused) {
    Latin1.clear();
    Refused.clear();
    std::mbstate_t State{};
    size_t At = 0;
    while (At < Text.size()) {
        wchar_t Char = 0;
        const size_t Used = std::mbrtowc(&Char, Text.data() + At, Text.size() - At, &State);
        if (Used == size_t(-1) || Used == size_t(-2)) return false;
        if (Char < 0 || Char > 0xFF) {
            Refused = Text.substr(At, Used);
            return false;
        }
        Latin1 += char(static_cast<unsigned char>(Char));
        At += Used == 0 ? 1 : Used;
    }
    return true;
}

std::string RefusedTextMessage(const std::string& Refused) {
    if (Refused.empty()) return "the exercise line is not text in this terminal's character set";
    return "the exercise line holds \"" + Refused +
           "\", a character Clavora cannot show; it shows the letters of Western European "
           "languages";
}

int AnswerCommandLineEarly(int ArgumentCount, char** Arguments) {
    std::vector<std::string> Given;
    for (int I = 1; I < ArgumentCount; ++I)
        if (Arguments[I]) Given.emplace_back(Arguments[I]);
    const TCommandLine Line = ParseCommandLine(Given, true);
    switch (Line.Action) {
    case TCommandLine::caHelp:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case TCommandLine::caVersion:
        std::printf("%s\n%s\n", VersionText().c_str(), BuildLine().c_str());
        return 0;
    case TCommandLine::caError:
        std::fprintf(stderr, "clavora: %s\n%s", Line.Value.c_str(), UsageText().c_str());
        return 2;
    case TCommandLine::caExercise: {
        std::setlocale(LC_CTYPE, "");
        std::string Latin1, Refused;
        if (LocaleTextToLatin1(Line.Value, Latin1, Refused)) return -1;
        std::fprintf(stderr, "clavora: %s\n", RefusedTextMessage(Refused).c_str());
        return 2;
    }
    default:
        return -1;
    }
}
