#include "platform/KeyboardLanguage.h"

#include <QCoreApplication>
#include <QVariant>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <mutex>

// Only the types: the libraries are loaded at run time. XKBrules.h needs
// FILE declared before it.
#include <X11/XKBlib.h>
#include <X11/extensions/XKBrules.h>

namespace {

std::function<std::string()> FXkbQuery;
std::string FConfigFile;

// XKB layout names and the language identifiers of the matching layouts.
struct TXkbLanguage {
    const char* Layout;
    const char* Language;
};
const TXkbLanguage XkbLanguages[] = {
    {"al", "041C"}, {"am", "042B"}, {"ara", "0401"}, {"at", "0C07"}, {"az", "042C"},
    {"be", "080C"}, {"bg", "0402"}, {"br", "0416"},  {"by", "0423"}, {"ca", "0C0C"},
    {"ch", "0807"}, {"cn", "0804"}, {"cz", "0405"},  {"de", "0407"}, {"dk", "0406"},
    {"ee", "0425"}, {"es", "040A"}, {"fi", "040B"},  {"fo", "0438"}, {"fr", "040C"},
    {"gb", "0809"}, {"ge", "0437"}, {"gr", "0408"},  {"hr", "041A"}, {"hu", "040E"},
    {"ie", "1809"}, {"il", "040D"}, {"in", "0439"},  {"ir", "0429"}, {"is", "040F"},
    {"it", "0410"}, {"jp", "0411"}, {"kr", "0412"},  {"kz", "043F"}, {"latam", "080A"},
    {"lt", "0427"}, {"lv", "0426"}, {"mk", "042F"},  {"nl", "0413"}, {"no", "0414"},
    {"pl", "0415"}, {"pt", "0816"}, {"ro", "0418"},  {"rs", "0C1A"}, {"ru", "0419"},
    {"se", "041D"}, {"si", "0424"}, {"sk", "041B"},  {"th", "041E"}, {"tr", "041F"},
    {"tw", "0404"}, {"ua", "0422"}, {"us", "0409"},  {"vn", "042A"}, {"za", "0409"},
};

std::string Trimmed(const std::string& S) {
    const size_t First = S.find_first_not_of(" \t\r\n");
    if (First == std::string::npos) return "";
    const size_t Last = S.find_last_not_of(" \t\r\n");
    return S.substr(First, Last - First + 1);
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

// libX11 and libxkbfile, loaded on first use.
struct TXkbLibrary {
    using TOpenDisplay = Display* (*)(const char*);
    using TCloseDisplay = int (*)(Display*);
    using TGetState = Status (*)(Display*, unsigned int, XkbStatePtr);
    using TGetNamesProp = Bool (*)(Display*, char**, XkbRF_VarDefsPtr);
    TOpenDisplay OpenDisplay = nullptr;
    TCloseDisplay CloseDisplay = nullptr;
    TGetState GetState = nullptr;
    TGetNamesProp GetNamesProp = nullptr;

    bool Loaded() const { return OpenDisplay && CloseDisplay && GetState && GetNamesProp; }

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
        });
        return Library;
    }
};

bool OnX11Display() {
    const QCoreApplication* App = QCoreApplication::instance();
    if (!App) return false;
    // A property of the GUI application object; a core application has none.
    if (App->property("platformName").toString() != QLatin1String("xcb")) return false;
    const char* Display = std::getenv("DISPLAY");
    return Display && *Display;
}

} // namespace

std::string LayoutNameForXkb(const std::string& XkbLayout) {
    std::string Layout = Trimmed(XkbLayout.substr(0, XkbLayout.find('(')));
    for (char& C : Layout)
        if (C >= 'A' && C <= 'Z') C = char(C + 32);
    for (const TXkbLanguage& Entry : XkbLanguages)
        if (Layout == Entry.Layout) return std::string("0000") + Entry.Language;
    return "00000000";
}

std::string XkbLayoutOfDisplay() {
    const TXkbLibrary& Xkb = TXkbLibrary::Get();
    if (!Xkb.Loaded()) return "";
    Display* Connection = Xkb.OpenDisplay(nullptr);
    if (!Connection) return "";
    std::string Layout;
    char* RulesFile = nullptr;
    XkbRF_VarDefsRec Names;
    std::memset(&Names, 0, sizeof Names);
    if (Xkb.GetNamesProp(Connection, &RulesFile, &Names) && Names.layout) {
        XkbStateRec State;
        std::memset(&State, 0, sizeof State);
        const unsigned Group =
            Xkb.GetState(Connection, XkbUseCoreKbd, &State) == Success ? unsigned(State.group) : 0u;
        Layout = ListItem(Names.layout, Group);
        if (Layout.empty()) Layout = ListItem(Names.layout, 0);
    }
    // The library hands out copies made with malloc.
    std::free(RulesFile);
    std::free(Names.model);
    std::free(Names.layout);
    std::free(Names.variant);
    std::free(Names.options);
    Xkb.CloseDisplay(Connection);
    return Layout;
}

std::string XkbLayoutOfFile(const std::string& FileName) {
    std::ifstream In(FileName);
    std::string Line;
    std::string Layout;
    while (std::getline(In, Line)) {
        Line = Trimmed(Line);
        if (Line.rfind("export ", 0) == 0) Line = Trimmed(Line.substr(7));
        if (Line.rfind("XKBLAYOUT", 0) != 0) continue;
        const std::string Rest = Trimmed(Line.substr(9));
        if (Rest.empty() || Rest[0] != '=') continue;
        std::string Value = Trimmed(Rest.substr(1));
        if (Value.size() >= 2 && (Value[0] == '"' || Value[0] == '\'') && Value.back() == Value[0])
            Value = Value.substr(1, Value.size() - 2);
        Layout = ListItem(Value, 0);
    }
    return Layout;
}

std::string ActiveKeyboardLayoutName() {
    std::string Layout;
    if (OnX11Display()) Layout = FXkbQuery ? FXkbQuery() : XkbLayoutOfDisplay();
    if (Layout.empty())
        Layout = XkbLayoutOfFile(FConfigFile.empty() ? "/etc/default/keyboard" : FConfigFile);
    return Layout.empty() ? "" : LayoutNameForXkb(Layout);
}

void SetXkbLayoutQuery(std::function<std::string()> Query) {
    FXkbQuery = std::move(Query);
}

void SetKeyboardConfigFile(const std::string& FileName) {
    FConfigFile = FileName;
}

const std::function<std::string()>& InstalledXkbLayoutQuery() {
    return FXkbQuery;
}

const std::string& KeyboardConfigFile() {
    return FConfigFile;
}
