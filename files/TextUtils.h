// Text helpers on which every line parser of the program rests. Texts are
// Latin-1 bytes.
#pragma once

#include <string>
#include <vector>

using TStringList = std::vector<std::string>;

// The separators Split uses when it is given none: space, comma, CR and LF.
inline const std::string DefaultSeparators = " ,\r\n";

// S without its leading and trailing spaces and tabs.
std::string Trim(const std::string& S);

// The fields of S between runs of separator characters; runs never yield empty
// fields ("a;;b" gives "a" and "b"). When S holds a "%" anywhere, a "%" just
// before a separator makes that separator part of the field and is itself
// dropped ("a%;b;c" with ";" gives "a;b" and "c"). An empty separator set
// means DefaultSeparators.
TStringList Split(const std::string& S, const std::string& Separators);

// S lower-cased, with its first letter and the letter after its first space
// upper-cased when they are a-z ("new york" gives "New York"); the letter after
// the space stays small when it ends the text ("ab c" gives "Ab c").
std::string CapitalizeName(const std::string& S);

// Latin-1 case mapping (A-Z and the accented letters; ß and ÿ have no capital).
std::string LowerCase(const std::string& S);
std::string UpperCase(const std::string& S);
