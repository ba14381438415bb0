// Split with separators taken from the input: the first byte says how many
// of the following bytes (0 to 7) form the separator set, the rest is split.
#include "files/TextUtils.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    const size_t Count = std::min<size_t>(Data[0] % 8, Size - 1);
    const std::string Separators(reinterpret_cast<const char*>(Data + 1), Count);
    const std::string Text(reinterpret_cast<const char*>(Data + 1 + Count), Size - 1 - Count);
    const std::string& Set = Separators.empty() ? DefaultSeparators : Separators;

    const TStringList Fields = Split(Text, Set);
    size_t Total = 0;
    for (const std::string& Field : Fields) {
        if (Field.empty()) abort(); // runs of separators never make empty fields
        Total += Field.size();
    }
    if (Total > Text.size()) abort();
    // Without a "%" in the text no field can hold a separator.
    if (Text.find('%') == std::string::npos)
        for (const std::string& Field : Fields)
            if (Field.find_first_of(Set) != std::string::npos) abort();

    const std::string Trimmed = Trim(Text);
    if (!Trimmed.empty() && (Trimmed.front() == ' ' || Trimmed.back() == '\t')) abort();
    if (CapitalizeName(Text).size() != Text.size()) abort();
    return 0;
}
