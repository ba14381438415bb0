#include "files/TextUtils.h"

#include "platform/Latin1Case.h"

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}

char LowerChar(char C) {
    return static_cast<char>(Latin1Case::Lower(static_cast<unsigned char>(C)));
}

char UpperChar(char C) {
    return static_cast<char>(Latin1Case::Upper(static_cast<unsigned char>(C)));
}

char UpperAscii(char C) {
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C;
}

} // namespace

std::string Trim(const std::string& S) {
    size_t First = 0;
    while (First < S.size() && IsBlank(S[First]))
        ++First;
    size_t Last = S.size();
    while (Last > First && IsBlank(S[Last - 1]))
        --Last;
    return S.substr(First, Last - First);
}

TStringList Split(const std::string& S, const std::string& Separators) {
    const std::string& Seps = Separators.empty() ? DefaultSeparators : Separators;
    const auto IsSep = [&Seps](char C) { return Seps.find(C) != std::string::npos; };
    const bool Escapes = S.find('%') != std::string::npos;

    TStringList Fields;
    size_t I = 0;
    while (I < S.size()) {
        while (I < S.size() && IsSep(S[I]))
            ++I;
        if (I == S.size()) break;
        std::string Field;
        for (;;) {
            const size_t Start = I;
            while (I < S.size() && !IsSep(S[I]))
                ++I;
            Field.append(S, Start, I - Start);
            // An escaped separator: "%" then the separator joins the field
            // without the "%", and the field goes on after it.
            if (Escapes && I < S.size() && I > Start && S[I - 1] == '%') {
                Field.back() = S[I];
                ++I;
                continue;
            }
            break;
        }
        Fields.push_back(std::move(Field));
    }
    return Fields;
}

std::string LowerCase(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        C = LowerChar(C);
    return Result;
}

std::string UpperCase(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        C = UpperChar(C);
    return Result;
}

std::string CapitalizeName(const std::string& S) {
    std::string Result = LowerCase(S);
    if (Result.empty()) return Result;
    Result[0] = UpperAscii(Result[0]);
    const size_t Space = Result.find(' ');
    if (Space != std::string::npos && Space + 2 < Result.size())
        Result[Space + 1] = UpperAscii(Result[Space + 1]);
    return Result;
}
