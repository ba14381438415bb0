// Opens arbitrary bytes as a tagged text file and reads it to the end, line by
// line and all at once. Odd first bytes put the input behind a
// "$fileformat=crypted" line, so the scrambled reading is covered as well.
#include "files/InputError.h"
#include "files/TTextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& TempName() {
    static const std::string Name = [] {
        char Template[] = "/tmp/clavora-fuzz-XXXXXX";
        const int Fd = mkstemp(Template);
        if (Fd < 0) abort();
        close(Fd);
        return std::string(Template);
    }();
    return Name;
}

void Check(bool Condition) {
    if (!Condition) abort();
}

void ReadLines(const std::string& Name) {
    TTextFile File;
    try {
        if (File.Open(Name, TTextFile::tmRead) != fsOk) return;
    } catch (const EInputError&) {
        Check(!File.IsOpen());
        return;
    }
    Check(File.Version.size() <= 255 && File.Description.size() <= 255);
    std::string Line;
    int32_t Last = File.Position;
    for (int Guard = 0;; ++Guard) {
        Check(Guard <= File.Size + 1);
        const int32_t Result = File.NextLine(Line);
        Check(Line.size() <= 255);
        if (Result != fsOk) break;
        Check(File.Position > Last); // every line moves on
        Last = File.Position;
    }
    Check(File.NextLine(Line) != fsOk);
    File.Close();
}

// A lone LF gains a CR as it is read, so the text may grow by one byte for
// each LF, counted after unscrambling: every byte at most doubles.
void ReadEverything(const std::string& Name, size_t InputSize) {
    TTextFile File;
    try {
        if (File.Open(Name, TTextFile::tmRead) != fsOk) return;
    } catch (const EInputError&) {
        return;
    }
    std::string All;
    const int32_t Result = File.ReadAll(All);
    Check(All.size() <= 2 * InputSize);
    for (size_t I = 0; I < All.size(); ++I)
        Check(All[I] != '\n' || (I > 0 && All[I - 1] == '\r')); // every line end is CR LF
    Check(All.find('\0') == std::string::npos);
    Check(Result == fsOk || All.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    if (!Bytes.empty() && (Bytes[0] & 1)) Bytes = "$fileformat=crypted\r\n" + Bytes.substr(1);
    FILE* Out = fopen(TempName().c_str(), "wb");
    if (!Out) abort();
    fwrite(Bytes.data(), 1, Bytes.size(), Out);
    fclose(Out);
    ReadLines(TempName());
    ReadEverything(TempName(), Bytes.size());
    unlink(TempName().c_str()); // the fuzzer may stop at any time; leave nothing behind
    return 0;
}
