#include "course/TCourseReader.h"

#include "files/ErrorLog.h"
#include "files/InputError.h"

#include <limits>

bool ParseDecimal(const std::string& Text, int32_t& Value) {
    const std::string S = Trim(Text);
    size_t I = 0;
    bool Negative = false;
    if (I < S.size() && (S[I] == '+' || S[I] == '-')) Negative = S[I++] == '-';
    if (I == S.size()) return false;
    int64_t Magnitude = 0;
    for (; I < S.size(); ++I) {
        if (S[I] < '0' || S[I] > '9') return false;
        Magnitude = Magnitude * 10 + (S[I] - '0');
        if (Magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
    }
    const int64_t Signed = Negative ? -Magnitude : Magnitude;
    if (Signed > std::numeric_limits<int32_t>::max()) return false;
    Value = int32_t(Signed);
    return true;
}

TCourseLine CutCourseLine(const std::string& Raw) {
    TCourseLine Line;
    Line.Text = Trim(Raw);
    if (Line.Text.empty() || Line.Text[0] == '\'') return Line;
    Line.Fields = Split(Line.Text, "=;");
    if (!Line.Fields.empty()) Line.Key = LowerCase(Trim(Line.Fields[0]));
    return Line;
}

bool TCourseReader::Next(TCourseLine& Line) {
    Line = TCourseLine();
    if (FFile.Status != fsOk) return false;
    std::string Raw;
    FFile.NextLine(Raw);
    ++FLineNumber;
    Line = CutCourseLine(Raw);
    return true;
}

std::string TCourseReader::Value(const TCourseLine& Line, size_t N) {
    if (N >= Line.Fields.size()) Fail("the line \"" + Line.Text + "\" has no value.");
    return Trim(Line.Fields[N]);
}

int32_t TCourseReader::Number(const TCourseLine& Line, size_t N, bool AllowNegative) {
    int32_t Result = 0;
    const std::string Text = Value(Line, N);
    if (!ParseDecimal(Text, Result))
        Fail("\"" + Text + "\" in the line \"" + Line.Text + "\" is not a whole number.");
    if (Result < 0 && !AllowNegative)
        Fail("\"" + Text + "\" in the line \"" + Line.Text + "\" must not be negative.");
    return Result;
}

void TCourseReader::Fail(const std::string& Detail) {
    throw EInputError("#" + std::to_string(ErrContents) + " " + ErrorMessage(ErrContents) + "\r\n" +
                      FFile.FileName + ", line " + std::to_string(FLineNumber) + ": " + Detail);
}
