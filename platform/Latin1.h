// Conversions at the toolkit boundary. Inside the program all text is Latin-1
// bytes in std::string; Qt sees QString only at the edge.
#pragma once

#include <QString>
#include <string>

inline QString ToQ(const std::string& Latin1) {
    return QString::fromLatin1(Latin1.data(), qsizetype(Latin1.size()));
}

// Characters above U+00FF have no Latin-1 byte; they become '?'.
inline std::string FromQ(const QString& Text) {
    std::string Result;
    Result.reserve(size_t(Text.size()));
    for (QChar C : Text)
        Result.push_back(C.unicode() < 256 ? char(C.unicode()) : '?');
    return Result;
}

// The one Latin-1 character a key event typed, or 0 when it typed none or a
// character outside Latin-1 (such as the euro sign).
inline unsigned char KeyTextToLatin1(const QString& Text) {
    if (Text.size() != 1) return 0;
    const char16_t C = Text.at(0).unicode();
    return C < 256 ? static_cast<unsigned char>(C) : 0;
}
