// The course tool's reading of a contents file, and the drills, words and
// bank groups it makes from whatever key groups the file gives.
#include "tools/coursetool/TBankMaker.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TDrillMaker.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string TempFile(const char* Name, const std::string& Bytes) {
    const std::string Path = std::string("/tmp/fuzz_coursescan_") + std::to_string(getpid()) + Name;
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Bytes;
    return Path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static TWordList Words;
    static TSentenceMaker Sentences;
    static bool Ready = false;
    if (!Ready) {
        for (const char* W : {"a", "as", "sad", "lad", "ask", "glad", "she", "fish", "red", "the"})
            Words.AddWord(W, true);
        const std::string Lexicon = TempFile(".lex", "pattern=D N V D N\nD a the\nN lad dad fish\n"
                                                     "V asks likes\n");
        Sentences.Load(Lexicon);
        std::remove(Lexicon.c_str());
        Ready = true;
    }
    const std::string Path =
        TempFile(".cnt", std::string(reinterpret_cast<const char*>(Data), Size));
    TCourseScan Course;
    std::string Error;
    if (Course.Load(Path, Error)) {
        Course.CheckLayout("abcdefghijklmnopqrstuvwxyz;,.", Error);
        for (const TScannedChapter& Ch : Course.Chapters()) {
            TDrillMaker Maker(Words, Course.KnownAt(Ch.Groups), Ch.NewKeys, 1);
            Maker.LetterLines(2);
            Maker.WordLines(2);
            Maker.GameWords(5);
        }
        TBankMaker Bank(Course, Words, Sentences);
        Bank.Make(Error);
    }
    std::remove(Path.c_str());
    return 0;
}
