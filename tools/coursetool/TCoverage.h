// How well a word list serves a course: for each chapter the distinct real
// words its known keys allow, how many of them hold each new key, the keys
// with too few, and how many of the chapter's drill and text lines are made
// of real words rather than letter groups.
#pragma once

#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TWordList.h"

#include <string>
#include <utility>
#include <vector>

struct TChapterCoverage {
    int Number = 0;
    std::string Name;
    std::string NewKeys;
    size_t Words = 0;                            // real words the known keys allow
    std::vector<std::pair<char, size_t>> PerKey; // new small letters: words holding each
    std::string FewKeys;                         // new letters with fewer than FewWords words
    int Lines = 0;                               // drill and text lines of the chapter
    int RealLines = 0;                           // of them, lines of real words
    size_t Characters = 0;                       // typed in the chapter (each file once)
    size_t HandCharacters = 0;                   // of them, in files the tool does not make
    size_t ShortestExam = 0;                     // typed characters of its shortest exam
    std::vector<std::string> Avoided;            // avoided words in its texts and messages
    std::vector<std::string> UntaughtExamples;   // message example words with untaught keys
};

// What a course holds, counted over the texts its learner types (messages
// and games left out).
struct TCourseTotals {
    size_t Chapters = 0;
    size_t Exercises = 0;
    size_t Events = 0;
    size_t DistinctWords = 0; // in small letters, letters only
    size_t Characters = 0;    // of the typed texts, without line ends
};

// The kind of file the course tool makes that a name asks for:
// "<prefix><nn><kind>.txt" with kind keys, drill, words, game or test (an
// exam of words); "" for a file written by hand.
std::string GeneratedKind(const std::string& FileName);

class TCoverage {
public:
    static constexpr size_t FewWords = 10;

    // Reads the drill and text files of the course's events from Dir.
    static std::vector<TChapterCoverage> Measure(const TCourseScan& Course, const TWordList& Words,
                                                 const std::string& Dir);

    // True when the line holds at least one word and every word in it (with
    // punctuation, digits, a possessive "'s" and an English contraction's
    // ending taken off) is on the list.
    static bool IsRealWordLine(const std::string& Line, const TWordList& Words);

    static TCourseTotals Totals(const TCourseScan& Course, const std::string& Dir);

    // The body lines of a text file (header lines and line ends dropped).
    static std::vector<std::string> BodyLines(const std::string& Path, bool& Found);
};
