// One text typing event, game or keyboard drill run on its own, without a
// course: for trying an exercise out and for showing the program. The
// program is started with
//
//     clavora --exercise "<event line>"
//
// where the event line is one line of an exercise script, for example
// "Try=TEXT;1;The quick brown fox jumps over the lazy dog.;TRUE" (token 3
// the text or "FILE:name", token 4 "TRUE" to highlight the current word).
// The keyword (token 1) picks the event class from the same table a course
// line's keyword does: "LEXIDROP" or "BUBBLES" runs that game, for example
// "Drop=LEXIDROP;1;Short.vcb" (token 3 the vocabulary) or "Bubb=BUBBLES;1;0";
// a "KEYBOARD" or "NEWKEYS" line runs that keyboard drill with every key
// labelled as known, and the program ends with it. The event runs on the
// wide page; then, when the event left a page to follow (the results of a
// text, a game's top-ten list), the chapter container shows it on the left
// and a closing page on the right, which Next or Enter closes.
#pragma once

#include <optional>
#include <string>

// The event line of a "--exercise <line>" command line (the arguments after
// the program name), or nothing when the command line asks for something
// else.
std::optional<std::string> DemoExerciseLine(int ArgumentCount, char** Arguments);

// Runs the event, then the results in the chapter container. Needs the
// program's objects (app/ProgramObjects.h) and what start-up has made by the
// time the menu loop would start: the settings and a current user. Returns the
// event's result code (0 when the program is terminating), or -1 when the
// line gives no text to type, which is told as error -501, or its keyword
// names no event class, which is told as error -502.
int RunDemoExercise(const std::string& EventLine);
