// The characters a keyboard layout file gives, read with the program's own
// layout reader.
#pragma once

#include <string>

// Every character of the layout's keys: Base, Shift and Alt Gr, each once.
// False with Error when the file cannot be read.
bool LayoutCharacters(const std::string& Path, std::string& Chars, std::string& Error);

// The Base and Shift characters of every key: what a course has to teach.
bool LayoutKeysToTeach(const std::string& Path, std::string& Chars, std::string& Error);
