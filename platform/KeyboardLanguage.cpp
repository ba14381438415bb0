#include "platform/KeyboardLanguage.h"

#include <QCoreApplication>
#include <QVariant>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Only the types: the libraries are loaded at run time. XKBrules.h needs
// FILE declared before it.
#include <X11/XKBlib.h>
#include <X11/extensions/XKBrules.h>

extern char** environ;

namespace {

std::function<std::string()> FXkbQuery;
std::string FConfigFile;
std::string FLocaleCommand = "localectl";

// XKB layout names and the language identifiers of the matching layouts.
struct TXkbLanguage {
    const char* Layout;
    const char* Language;
    // The variants whose keys are the layout's own, as the X server's keymaps
    // place them (a dead key counts as the character it stands for). Null
    // for a layout whose language has no layout file of its own: the US file
    // shows it whatever its variant.
    const char* SameKeys;
};
const TXkbLanguage XkbLanguages[] = {
    {"al", "041C", nullptr},
    {"am", "042B", nullptr},
    {"ara", "0401", nullptr},
    {"at", "0C07", "nodeadkeys mac"},
    {"az", "042C", nullptr},
    {"be", "080C", "oss oss_latin9 iso-alternate nodeadkeys wang"},
    {"bg", "0402", nullptr},
    {"br", "0416", "thinkpad"},
    {"by", "0423", nullptr},
    {"ca", "0C0C", ""},
    {"ch", "0807", "legacy de_nodeadkeys de_mac"},
    {"cn", "0804", nullptr},
    {"cz", "0405", nullptr},
    {"de", "0407",
     "deadacute deadgraveacute nodeadkeys e1 T3 ro ro_nodeadkeys mac mac_nodeadkeys dsb_qwertz tr "
     "deadtilde"},
    {"dk", "0406", "nodeadkeys winkeys mac mac_nodeadkeys"},
    {"ee", "0425", nullptr},
    {"es", "040A", "nodeadkeys winkeys deadtilde ast cat mac"},
    {"fi", "040B", "winkeys classic nodeadkeys"},
    {"fo", "0438", nullptr},
    {"fr", "040C", "nodeadkeys oss oss_latin9 oss_nodeadkeys azerty oci"},
    {"gb", "0809", "extd intl pl gla"},
    {"ge", "0437", nullptr},
    {"gr", "0408", nullptr},
    {"hr", "041A", nullptr},
    {"hu", "040E",
     "standard nodeadkeys 102_qwertz_comma_dead 102_qwertz_comma_nodead 102_qwertz_dot_dead "
     "102_qwertz_dot_nodead"},
    {"ie", "1809", "CloGaelach UnicodeExpert"},
    {"il", "040D", nullptr},
    {"in", "0439", nullptr},
    {"ir", "0429", nullptr},
    {"is", "040F", "mac"},
    {"it", "0410", "nodeadkeys winkeys ibm intl fur"},
    {"jp", "0411", nullptr},
    {"kr", "0412", nullptr},
    {"kz", "043F", nullptr},
    {"latam", "080A", "deadtilde"},
    {"lt", "0427", nullptr},
    {"lv", "0426", nullptr},
    {"mk", "042F", nullptr},
    {"nl", "0413", nullptr},
    {"no", "0414", "nodeadkeys winkeys"},
    {"pl", "0415", "legacy csb szl"},
    {"pt", "0816", "nodeadkeys"},
    {"ro", "0418", nullptr},
    {"rs", "0C1A", nullptr},
    {"ru", "0419", nullptr},
    {"se", "041D", "nodeadkeys"},
    {"si", "0424", nullptr},
    {"sk", "041B", nullptr},
    {"th", "041E", nullptr},
    {"tr", "041F", nullptr},
    {"tw", "0404", nullptr},
    {"ua", "0422", nullptr},
    {"us", "0409", "euro intl alt-intl symbolic mac altgr-intl olpc2"},
    {"vn", "042A", nullptr},
    {"za", "0409", ""},
};

// Variants that put a US keyboard's keys under another layout's name.
const char* const UsKeyVariants[] = {"ca(eng)", "de(us)", "fr(us)", "it(us)", "nl(us)", "se(us)"};

// Symbol files of a keymap that hold no layout: the model's keys and the
// options.
const char* const NotLayouts[] = {
    "altwin", "capslock", "compose",   "ctrl",   "empty",     "eurosign",  "group", "inet",
    "keypad", "kpdl",     "latin",     "level2", "level3",    "level5",    "nbsp",  "olpc",
    "parens", "pc",       "rupeesign", "shift",  "srvr_ctrl", "terminate", "trans", "typo",
};

std::string Trimmed(const std::string& S) {
    const size_t First = S.find_first_not_of(" \t\r\n");
    if (First == std::string::npos) return "";
    const size_t Last = S.find_last_not_of(" \t\r\n");
    return S.substr(First, Last - First + 1);
}

std::string Lowered(std::string S) {
    for (char& C : S)
        if (C >= 'A' && C <= 'Z') C = char(C + 32);
    return S;
}

// Field Index of a comma-separated list ("us,se" and 1 give "se").
std::string ListItem(const std::string& List, unsigned Index) {
    size_t Start = 0;
    for (unsigned I = 0; I < Index; ++I) {
        Start = List.find(',', Start);
        if (Start == std::string::npos) return "";
        ++Start;
    }
    return Trimmed(List.substr(Start, List.find(',', Start) - Start));
}

// A layout or variant name as XKB writes them: what the files and programs
// we read hand over is used only when it has this form.
bool IsXkbName(const std::string& Name) {
    if (Name.empty() || Name.size() > 64) return false;
    for (char C : Name)
        if (!((C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') ||
              C == '_' || C == '-'))
            return false;
    return true;
}

// "gb" and "extd" give "gb(extd)"; a layout that is no XKB name gives "".
std::string WithVariant(const std::string& Layout, const std::string& Variant) {
    if (!IsXkbName(Layout)) return "";
    return IsXkbName(Variant) ? Layout + "(" + Variant + ")" : Layout;
}

// "de(nodeadkeys)" as its layout, lower-cased, and its variant.
void SplitXkb(const std::string& Xkb, std::string& Layout, std::string& Variant) {
    const size_t Open = Xkb.find('(');
    Layout = Lowered(Trimmed(Xkb.substr(0, Open)));
    Variant.clear();
    if (Open == std::string::npos) return;
    const size_t Close = Xkb.find(')', Open);
    Variant = Trimmed(Xkb.substr(Open + 1, Close == std::string::npos ? Close : Close - Open - 1));
}

const TXkbLanguage* LanguageOf(const std::string& Layout) {
    for (const TXkbLanguage& Entry : XkbLanguages)
        if (Layout == Entry.Layout) return &Entry;
    return nullptr;
}

bool HasUsKeys(const std::string& Layout, const std::string& Variant) {
    for (const char* Name : UsKeyVariants)
        if (Layout + "(" + Variant + ")" == Name) return true;
    return false;
}

bool Listed(const char* List, const std::string& Word) {
    return (std::string(" ") + List + " ").find(" " + Word + " ") != std::string::npos;
}

// libX11 and libxkbfile, loaded on first use.
struct TXkbLibrary {
    using TOpenDisplay = Display* (*)(const char*);
    using TCloseDisplay = int (*)(Display*);
    using TGetState = Status (*)(Display*, unsigned int, XkbStatePtr);
    using TGetNamesProp = Bool (*)(Display*, char**, XkbRF_VarDefsPtr);
    using TQueryExtension = Bool (*)(Display*, const char*, int*, int*, int*);
    using TGetMap = XkbDescPtr (*)(Display*, unsigned int, unsigned int);
    using TGetNames = Status (*)(Display*, unsigned int, XkbDescPtr);
    using TFreeKeyboard = void (*)(XkbDescPtr, unsigned int, Bool);
    using TGetAtomName = char* (*)(Display*, Atom);
    using TFree = int (*)(void*);
    TOpenDisplay OpenDisplay = nullptr;
    TCloseDisplay CloseDisplay = nullptr;
    TGetState GetState = nullptr;
    TGetNamesProp GetNamesProp = nullptr;
    TQueryExtension QueryExtension = nullptr;
    TGetMap GetMap = nullptr;
    TGetNames GetNames = nullptr;
    TFreeKeyboard FreeKeyboard = nullptr;
    TGetAtomName GetAtomName = nullptr;
    TFree Free = nullptr;

    bool Loaded() const {
        return OpenDisplay && CloseDisplay && GetState && GetNamesProp && QueryExtension &&
               GetMap && GetNames && FreeKeyboard && GetAtomName && Free;
    }

    static const TXkbLibrary& Get() {
        static TXkbLibrary Library;
        static std::once_flag Once;
        std::call_once(Once, [] {
            // The libraries stay loaded: unloading libX11 is not safe.
            void* X11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
            void* Xkbfile = dlopen("libxkbfile.so.1", RTLD_NOW | RTLD_LOCAL);
            if (!X11 || !Xkbfile) return;
            Library.OpenDisplay = reinterpret_cast<TOpenDisplay>(dlsym(X11, "XOpenDisplay"));
            Library.CloseDisplay = reinterpret_cast<TCloseDisplay>(dlsym(X11, "XCloseDisplay"));
            Library.GetState = reinterpret_cast<TGetState>(dlsym(X11, "XkbGetState"));
            Library.GetNamesProp =
                reinterpret_cast<TGetNamesProp>(dlsym(Xkbfile, "XkbRF_GetNamesProp"));
            Library.QueryExtension =
                reinterpret_cast<TQueryExtension>(dlsym(X11, "XQueryExtension"));
            Library.GetMap = reinterpret_cast<TGetMap>(dlsym(X11, "XkbGetMap"));
            Library.GetNames = reinterpret_cast<TGetNames>(dlsym(X11, "XkbGetNames"));
            Library.FreeKeyboard = reinterpret_cast<TFreeKeyboard>(dlsym(X11, "XkbFreeKeyboard"));
            Library.GetAtomName = reinterpret_cast<TGetAtomName>(dlsym(X11, "XGetAtomName"));
            Library.Free = reinterpret_cast<TFree>(dlsym(X11, "XFree"));
        });
        return Library;
    }
};

// The symbols name of the server's keymap ("pc+gb+inet(evdev)"), "" when it
// has none.
std::string KeymapSymbols(const TXkbLibrary& Xkb, Display* Connection) {
    std::string Symbols;
    if (XkbDescPtr Keyboard = Xkb.GetMap(Connection, 0, XkbUseCoreKbd)) {
        if (Xkb.GetNames(Connection, XkbSymbolsNameMask, Keyboard) == Success && Keyboard->names &&
            Keyboard->names->symbols != None) {
            if (char* Name = Xkb.GetAtomName(Connection, Keyboard->names->symbols)) {
                Symbols = Name;
                Xkb.Free(Name);
            }
        }
        Xkb.FreeKeyboard(Keyboard, 0, True);
    }
    return Symbols;
}

// True when the toolkit runs on an X server of its own, or on wayland
// beside one: only then is there an X server that serves this desktop.
bool XServerServesUs() {
    const QCoreApplication* App = QCoreApplication::instance();
    if (!App) return false;
    // A property of the GUI application object; a core application has none.
    const QString Platform = App->property("platformName").toString();
    if (Platform != QLatin1String("xcb") && Platform != QLatin1String("wayland")) return false;
    const char* Display = std::getenv("DISPLAY");
    return Display && *Display;
}

// Runs Program with Arguments, its output read for at most TimeLimit; the
// output when it ended by itself with status 0 in time, else "". It gets no
// input, its errors go nowhere, and it speaks the C locale so that its
// labels can be read.
std::string OutputOf(const std::string& Program, const std::vector<std::string>& Arguments,
                     std::chrono::milliseconds TimeLimit) {
    const auto Deadline = std::chrono::steady_clock::now() + TimeLimit;
    int Pipe[2];
    if (pipe2(Pipe, O_CLOEXEC) != 0) return "";
    std::vector<std::string> Environment{"LC_ALL=C"};
    for (char** Entry = environ; Entry && *Entry; ++Entry) {
        const std::string Variable = *Entry;
        if (Variable.rfind("LC_", 0) != 0 && Variable.rfind("LANG=", 0) != 0 &&
            Variable.rfind("LANGUAGE=", 0) != 0)
            Environment.push_back(Variable);
    }
    std::vector<char*> Env;
    for (std::string& Variable : Environment)
        Env.push_back(Variable.data());
    Env.push_back(nullptr);
    std::vector<std::string> Words{Program};
    Words.insert(Words.end(), Arguments.begin(), Arguments.end());
    std::vector<char*> Argv;
    for (std::string& Word : Words)
        Argv.push_back(Word.data());
    Argv.push_back(nullptr);

    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&Actions, Pipe[1], 1);
    posix_spawn_file_actions_addopen(&Actions, 2, "/dev/null", O_WRONLY, 0);
    // A group of its own, so that whatever it started is stopped with it.
    posix_spawnattr_t Attributes;
    posix_spawnattr_init(&Attributes);
    posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&Attributes, 0);
    pid_t Pid = 0;
    const int Spawned =
        posix_spawnp(&Pid, Program.c_str(), &Actions, &Attributes, Argv.data(), Env.data());
    posix_spawnattr_destroy(&Attributes);
    posix_spawn_file_actions_destroy(&Actions);
    close(Pipe[1]);
    if (Spawned != 0) {
        close(Pipe[0]);
        return "";
    }

    std::string Output;
    bool Ended = false;
    for (;;) {
        const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(
            Deadline - std::chrono::steady_clock::now());
        if (Left.count() <= 0) break;
        pollfd Ready{Pipe[0], POLLIN, 0};
        const int Polled = poll(&Ready, 1, int(Left.count()));
        if (Polled < 0 && errno == EINTR) continue;
        if (Polled <= 0) break;
        char Buffer[4096];
        const ssize_t Read = read(Pipe[0], Buffer, sizeof Buffer);
        if (Read < 0 && errno == EINTR) continue;
        if (Read <= 0) {
            Ended = Read == 0;
            break;
        }
        Output.append(Buffer, size_t(Read));
        // Far more than any answer we read: something else is talking.
        if (Output.size() > 65536) break;
    }
    close(Pipe[0]);

    int ExitStatus = 0;
    pid_t Waited = 0;
    // Its output closed, it may still take a moment to end; never past the
    // time limit.
    while (Ended && (Waited = waitpid(Pid, &ExitStatus, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (Waited != Pid) {
        kill(-Pid, SIGKILL);
        while (waitpid(Pid, &ExitStatus, 0) < 0 && errno == EINTR) {
        }
        return "";
    }
    return WIFEXITED(ExitStatus) && WEXITSTATUS(ExitStatus) == 0 ? Output : "";
}

} // namespace

std::string LayoutNameForXkb(const std::string& XkbLayout) {
    std::string Layout, Variant;
    SplitXkb(XkbLayout, Layout, Variant);
    if (!Variant.empty() && HasUsKeys(Layout, Variant)) return "00000409";
    const TXkbLanguage* Entry = LanguageOf(Layout);
    if (!Entry) return "00000000";
    if (XkbLayoutReplaced(XkbLayout)) return "00000409";
    return std::string("0000") + Entry->Language;
}

bool XkbLayoutReplaced(const std::string& XkbLayout) {
    std::string Layout, Variant;
    SplitXkb(XkbLayout, Layout, Variant);
    if (Variant.empty() || HasUsKeys(Layout, Variant)) return false;
    const TXkbLanguage* Entry = LanguageOf(Layout);
    return Entry && Entry->SameKeys && !Listed(Entry->SameKeys, Variant);
}

std::string XkbLayoutOfSymbols(const std::string& Symbols, unsigned Group) {
    bool FirstSeen = false;
    size_t Start = 0;
    while (Start <= Symbols.size()) {
        size_t End = Symbols.find('+', Start);
        if (End == std::string::npos) End = Symbols.size();
        std::string Part = Trimmed(Symbols.substr(Start, End - Start));
        Start = End + 1;
        // "de(nodeadkeys):2" is the layout of the second group.
        unsigned Index = 1;
        const size_t Colon = Part.find(':');
        if (Colon != std::string::npos) {
            const std::string Number = Part.substr(Colon + 1);
            if (Number.size() != 1 || Number[0] < '1' || Number[0] > '4') continue;
            Index = unsigned(Number[0] - '0');
            Part = Part.substr(0, Colon);
        }
        std::string Layout, Variant;
        SplitXkb(Part, Layout, Variant);
        bool Option = Layout.find('/') != std::string::npos ||
                      (Layout.size() > 5 && Layout.compare(Layout.size() - 5, 5, "_vndr") == 0);
        for (const char* Name : NotLayouts)
            Option = Option || Layout == Name;
        if (Option || !IsXkbName(Layout)) continue;
        // The first group's layout is the first one without a group number.
        if (Colon == std::string::npos) {
            if (FirstSeen) continue;
            FirstSeen = true;
        }
        if (Index == Group + 1) return WithVariant(Layout, Variant);
    }
    return "";
}

std::string XkbLayoutOfDisplay() {
    const TXkbLibrary& Xkb = TXkbLibrary::Get();
    if (!Xkb.Loaded()) return "";
    Display* Connection = Xkb.OpenDisplay(nullptr);
    if (!Connection) return "";
    XkbStateRec State;
    std::memset(&State, 0, sizeof State);
    const unsigned Group =
        Xkb.GetState(Connection, XkbUseCoreKbd, &State) == Success ? unsigned(State.group) : 0u;
    std::string Layout;
    int Opcode = 0, Event = 0, Error = 0;
    if (Xkb.QueryExtension(Connection, "XWAYLAND", &Opcode, &Event, &Error)) {
        const std::string Symbols = KeymapSymbols(Xkb, Connection);
        Layout = XkbLayoutOfSymbols(Symbols, Group);
        if (Layout.empty()) Layout = XkbLayoutOfSymbols(Symbols, 0);
    } else {
        char* RulesFile = nullptr;
        XkbRF_VarDefsRec Names;
        std::memset(&Names, 0, sizeof Names);
        if (Xkb.GetNamesProp(Connection, &RulesFile, &Names) && Names.layout) {
            const std::string Variants = Names.variant ? Names.variant : "";
            unsigned Item = Group;
            if (ListItem(Names.layout, Item).empty()) Item = 0;
            Layout = WithVariant(ListItem(Names.layout, Item), ListItem(Variants, Item));
        }
        // The library hands out copies made with malloc.
        std::free(RulesFile);
        std::free(Names.model);
        std::free(Names.layout);
        std::free(Names.variant);
        std::free(Names.options);
    }
    Xkb.CloseDisplay(Connection);
    return Layout;
}

std::string XkbLayoutOfFile(const std::string& FileName) {
    std::ifstream In(FileName);
    std::string Line;
    std::string Layouts, Variants;
    while (std::getline(In, Line)) {
        Line = Trimmed(Line);
        if (Line.rfind("export ", 0) == 0) Line = Trimmed(Line.substr(7));
        std::string* Value = nullptr;
        size_t NameLength = 0;
        if (Line.rfind("XKBLAYOUT", 0) == 0) {
            Value = &Layouts;
            NameLength = 9;
        } else if (Line.rfind("XKBVARIANT", 0) == 0) {
            Value = &Variants;
            NameLength = 10;
        } else {
            continue;
        }
        const std::string Rest = Trimmed(Line.substr(NameLength));
        if (Rest.empty() || Rest[0] != '=') continue;
        std::string Text = Trimmed(Rest.substr(1));
        if (Text.size() >= 2 && (Text[0] == '"' || Text[0] == '\'') && Text.back() == Text[0])
            Text = Text.substr(1, Text.size() - 2);
        *Value = Text;
    }
    return WithVariant(ListItem(Layouts, 0), ListItem(Variants, 0));
}

std::string XkbLayoutOfLocaleStatus(const std::string& Answer) {
    std::string Layouts, Variants;
    size_t Start = 0;
    while (Start < Answer.size()) {
        size_t End = Answer.find('\n', Start);
        if (End == std::string::npos) End = Answer.size();
        const std::string Line = Trimmed(Answer.substr(Start, End - Start));
        Start = End + 1;
        if (Line.rfind("X11 Layout:", 0) == 0) Layouts = Trimmed(Line.substr(11));
        if (Line.rfind("X11 Variant:", 0) == 0) Variants = Trimmed(Line.substr(12));
    }
    // An unset layout reads "(unset)" or "n/a", which are no layout names.
    return WithVariant(ListItem(Layouts, 0), ListItem(Variants, 0));
}

std::string XkbLayoutOfLocaleService() {
    if (FLocaleCommand.empty()) return "";
    return XkbLayoutOfLocaleStatus(
        OutputOf(FLocaleCommand, {"status", "--no-pager"}, std::chrono::milliseconds(1000)));
}

std::string ActiveXkbLayout() {
    std::string Layout;
    if (XServerServesUs()) Layout = FXkbQuery ? FXkbQuery() : XkbLayoutOfDisplay();
    if (Layout.empty())
        Layout = XkbLayoutOfFile(FConfigFile.empty() ? "/etc/default/keyboard" : FConfigFile);
    if (Layout.empty()) Layout = XkbLayoutOfLocaleService();
    return Layout;
}

std::string ActiveKeyboardLayoutName() {
    const std::string Layout = ActiveXkbLayout();
    return Layout.empty() ? "" : LayoutNameForXkb(Layout);
}

void SetXkbLayoutQuery(std::function<std::string()> Query) {
    FXkbQuery = std::move(Query);
}

void SetKeyboardConfigFile(const std::string& FileName) {
    FConfigFile = FileName;
}

void SetLocaleCommand(const std::string& Program) {
    FLocaleCommand = Program;
}

const std::function<std::string()>& InstalledXkbLayoutQuery() {
    return FXkbQuery;
}

const std::string& KeyboardConfigFile() {
    return FConfigFile;
}

const std::string& LocaleCommand() {
    return FLocaleCommand;
}
