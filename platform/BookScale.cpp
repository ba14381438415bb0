#include "platform/BookScale.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

// The book, its status bar and a strip of desk round them, in the book's own
// pixels; a window frame takes about FrameHeight screen pixels above it.
constexpr int DeskWidth = 800;
constexpr int DeskHeight = 560;
constexpr int FrameHeight = 30;

double ChosenFactor = 1;
bool VariablesSet = false;

bool Set(const char* Name) {
    const char* Value = std::getenv(Name);
    return Value && *Value;
}

// The work area of the current desktop as the window manager announces it,
// else the whole root window.
bool XWorkArea(int& Width, int& Height) {
    int ScreenNumber = 0;
    xcb_connection_t* Connection = xcb_connect(nullptr, &ScreenNumber);
    if (!Connection || xcb_connection_has_error(Connection)) {
        if (Connection) xcb_disconnect(Connection);
        return false;
    }
    xcb_screen_iterator_t It = xcb_setup_roots_iterator(xcb_get_setup(Connection));
    for (int I = 0; I < ScreenNumber && It.rem; ++I)
        xcb_screen_next(&It);
    if (!It.rem) {
        xcb_disconnect(Connection);
        return false;
    }
    const xcb_screen_t* Screen = It.data;
    Width = Screen->width_in_pixels;
    Height = Screen->height_in_pixels;

    const char Name[] = "_NET_WORKAREA";
    xcb_intern_atom_reply_t* Atom = xcb_intern_atom_reply(
        Connection, xcb_intern_atom(Connection, 1, sizeof Name - 1, Name), nullptr);
    if (Atom && Atom->atom != XCB_ATOM_NONE) {
        xcb_get_property_reply_t* Area = xcb_get_property_reply(
            Connection,
            xcb_get_property(Connection, 0, Screen->root, Atom->atom, XCB_ATOM_CARDINAL, 0, 4),
            nullptr);
        // x, y, width, height of the first desktop's area.
        if (Area && Area->format == 32 && xcb_get_property_value_length(Area) >= 16) {
            const auto* Values = static_cast<const uint32_t*>(xcb_get_property_value(Area));
            if (Values[2] > 0 && Values[3] > 0) {
                Width = int(Values[2]);
                Height = int(Values[3]);
            }
        }
        std::free(Area);
    }
    std::free(Atom);
    xcb_disconnect(Connection);
    return true;
}

// Whether the toolkit will run on a Wayland compositor. Without a platform
// named in QT_QPA_PLATFORM it tries wayland before xcb, and takes it when it
// finds the compositor's socket (WAYLAND_DISPLAY, "wayland-0" when unset, in
// XDG_RUNTIME_DIR) and its wayland plugin is installed.
bool OnWayland() {
    const char* Platform = std::getenv("QT_QPA_PLATFORM");
    if (Platform && *Platform) return std::strncmp(Platform, "wayland", 7) == 0;
    std::string Socket = Set("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    if (Socket[0] != '/') {
        if (!Set("XDG_RUNTIME_DIR")) return false;
        Socket = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + Socket;
    }
    struct stat Info {};
    if (stat(Socket.c_str(), &Info) != 0 || !S_ISSOCK(Info.st_mode)) return false;
    const QDir Plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
    return !Plugins.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
}

} // namespace

namespace BookScale {

double FactorFor(int AreaWidth, int AreaHeight) {
    const double Fit =
        std::min(double(AreaWidth) / DeskWidth, double(AreaHeight - FrameHeight) / DeskHeight);
    // Whole twentieths, rounded down; the small tolerance keeps an exact fit
    // from dropping a step through binary rounding.
    const double Steps = std::floor(Fit * 20 + 1e-9);
    return std::max(1.0, Steps / 20);
}

void Prepare(bool Wanted) {
    ChosenFactor = 1;
    if (!Wanted || Set("QT_SCALE_FACTOR") || Set("QT_SCREEN_SCALE_FACTORS")) return;
    const char* Platform = std::getenv("QT_QPA_PLATFORM");
    if (Platform && *Platform && std::strncmp(Platform, "xcb", 3) != 0) return;
    // On a Wayland compositor the X server beside it (XWayland) measures
    // another screen than the toolkit's, and the compositor scales windows
    // by its own factor: the book is left at the compositor's scale.
    if (OnWayland() || !Set("DISPLAY")) return;
    int Width = 0, Height = 0;
    if (!XWorkArea(Width, Height)) return;
    const double Factor = FactorFor(Width, Height);
    if (Factor <= 1) return;
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.2f", Factor);
    // Our factor replaces the desktop's own scaling: it was measured in real
    // screen pixels.
    setenv("QT_SCALE_FACTOR", Text, 1);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    VariablesSet = true;
    ChosenFactor = Factor;
}

void Forget() {
    if (!VariablesSet) return;
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("QT_ENABLE_HIGHDPI_SCALING");
    VariablesSet = false;
}

double Factor() {
    return ChosenFactor;
}

void Publish(QWidget* Window) {
    // Only a window on the X server itself; the offscreen platform may
    // answer for X11 too, without a connection.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* X11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* Connection = X11 ? X11->connection() : nullptr;
    if (!Connection || !Window || !Window->windowHandle()) return;
    const char Name[] = "_CLAVORA_BOOK_SCALE";
    xcb_intern_atom_reply_t* Atom = xcb_intern_atom_reply(
        Connection, xcb_intern_atom(Connection, 0, sizeof Name - 1, Name), nullptr);
    if (!Atom) return;
    char Text[32];
    const int Length = std::snprintf(Text, sizeof Text, "%.2f", Window->devicePixelRatioF());
    xcb_change_property(Connection, XCB_PROP_MODE_REPLACE, xcb_window_t(Window->winId()),
                        Atom->atom, XCB_ATOM_STRING, 8, uint32_t(Length), Text);
    xcb_flush(Connection);
    std::free(Atom);
}

} // namespace BookScale
