// Reads the lines of a course file: contents lines, chapter blocks and
// exercise blocks share one line syntax. A line is trimmed; an empty line or
// one whose first character is an apostrophe is a comment; any other line is
// cut at "=" and ";" into fields, and field 0, lower-cased, is its key.
//
// A recognised key without its value, or a number that is not a whole
// decimal number, is an input error: Fail throws EInputError with the
// numbered message that the program's general error handler shows, naming
// the file and the line. The load that meets it is abandoned.
#pragma once

#include "files/TTextFile.h"
#include "files/TextUtils.h"

#include <cstdint>
#include <string>

// One line of a course file.
struct TCourseLine {
    std::string Text; // trimmed
    TStringList Fields;
    std::string Key; // field 0, trimmed and lower-cased; empty for comments

    bool IsComment() const { return Key.empty(); }
};

class TCourseReader {
public:
    // The number shown with every input error of a course file.
    static constexpr int ErrContents = -1095;

    explicit TCourseReader(TTextFile& File) : FFile(File), FLineNumber(File.HeaderLines) {}

    TTextFile& File() { return FFile; }
    // The file's status: 1 while lines remain to be read.
    int32_t Status() const { return FFile.Status; }
    // The number of the last line read, counted in the whole file: the
    // header's lines come first.
    int LineNumber() const { return FLineNumber; }

    // Reads the next line into Line. Nothing is read, and Line is left
    // empty, when the file's status is not 1: a read that stopped in
    // mid-file (a line too long, a NUL byte, a failed read) never hands the
    // previous line out a second time.
    bool Next(TCourseLine& Line);

    // Field N of the line, trimmed; an input error when the line has no
    // such field.
    std::string Value(const TCourseLine& Line, size_t N = 1);
    // Field N as a whole decimal number (an optional sign and digits that
    // fit 32 bits); an input error otherwise, or when it is negative and
    // AllowNegative is false.
    int32_t Number(const TCourseLine& Line, size_t N = 1, bool AllowNegative = false);

    [[noreturn]] void Fail(const std::string& Detail);

private:
    TTextFile& FFile;
    int FLineNumber;
};

// A whole decimal number of 32 bits with an optional sign, after trimming.
bool ParseDecimal(const std::string& Text, int32_t& Value);
// Splits a course line: trimmed text, fields at "=" and ";", lower-cased key.
TCourseLine CutCourseLine(const std::string& Raw);
