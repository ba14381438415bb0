// Letter case of Latin-1 names, from tables of our own so that matching a
// learner's name never depends on the locale the process was started in.
// "Märta" and "MÄRTA" are the same learner; "ß" and "ÿ" have no capital in
// Latin-1 and stay as they are, as do all characters that are not letters.
#pragma once

#include <cstddef>
#include <string>

namespace Latin1Case {

unsigned char Upper(unsigned char C);
unsigned char Lower(unsigned char C);

std::string UpperCase(const std::string& S);
std::string LowerCase(const std::string& S);

// Only a-z made capital: the plain conversion the visitor's name is checked with.
std::string AsciiUpperCase(const std::string& S);

// True when Count bytes at Chars equal Upper, an already upper-cased text,
// once they are upper-cased themselves.
bool SameUpper(const unsigned char* Chars, size_t Count, const std::string& Upper);

// <0, 0 or >0 as A sorts before, with or after B without regard to case.
int CompareText(const std::string& A, const std::string& B);

} // namespace Latin1Case
