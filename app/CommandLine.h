// The program's command line.
//
//     clavora                      the book
//     clavora --exercise <line>    one text exercise on its own (see DemoExercise.h)
//     clavora --course <file>      one course on its own (see DemoCourse.h)
//     clavora /AUTOSETUP           the installation run: the desktop entry and settings
//     clavora --help | --version
//
// The toolkit's own options (single dash, such as "-platform offscreen") are
// taken out by the application object before the program sees them.
#pragma once

#include <string>
#include <vector>

struct TCommandLine {
    enum TAction { caBook, caHelp, caVersion, caAutoSetup, caExercise, caCourse, caError };
    TAction Action = caBook;
    // The exercise line or the course file; for caError what was wrong.
    std::string Value;
};

// Reads the arguments after the program name. With ToolkitOptionsLeft set,
// the toolkit's own options ("-platform offscreen", "-reverse", "-style=x")
// are passed over, with the value of those that take one: the application
// object takes them out later. Any other argument with one dash is an
// unknown option, told before the program needs a display ("-h" is the
// help).
TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments,
                              bool ToolkitOptionsLeft = false);

// The usage text, ending with a line break.
std::string UsageText();
// "Clavora 98 4.20 (build 0161)", as the about page names the program.
std::string VersionText();
// The about page's build line, "Build: 0161; 98-06-10"; --version prints it
// under the version.
std::string BuildLine();

// Converts text given in the locale's encoding to the program's Latin-1.
// False when the bytes are not valid in the locale's encoding or hold a
// character that Latin-1 lacks; Refused then names the first such character
// (in the locale's encoding) or is empty for bytes that are no text.
bool LocaleTextToLatin1(const std::string& Text, std::string& Latin1, std::string& Refused);

// The message for an exercise text refused by LocaleTextToLatin1.
std::string RefusedTextMessage(const std::string& Refused);

// What the entry point does before the application object exists: the help
// and the version are printed, and a mistyped option of the program's own is
// told with the usage on standard error; these need no display. Returns the
// exit status when the program ends there, -1 when it goes on.
int AnswerCommandLineEarly(int ArgumentCount, char** Arguments);
