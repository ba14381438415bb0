// A revision bank written by hand into the test's program directory: groups
// of words or rows appended one after the other, the index and data files
// written in their stored layout.
#pragma once

#include "tests/support/TestSupport.h"

#include <cstdint>
#include <string>
#include <vector>

class TBankFixture {
public:
    explicit TBankFixture(std::string Stem = "builder") : FStem(std::move(Stem)) {}

    // A group of the key at the level, of kind 1 (words) or 2 (rows).
    TBankFixture& Group(char Key, int Level, int Kind, const std::vector<std::string>& Entries) {
        Entry(static_cast<unsigned char>(Key), Level, Kind, int(FSlots.size()),
              int(Entries.size()));
        FSlots.insert(FSlots.end(), Entries.begin(), Entries.end());
        return *this;
    }
    // An index entry as given, pointing wherever it points.
    TBankFixture& Entry(int Char, int Level, int Kind, int First, int Count) {
        for (int V : {Char, Level, Kind, First, Count}) {
            FIndex += char(V & 0xFF);
            FIndex += char((V >> 8) & 0xFF);
        }
        return *this;
    }
    // Bytes appended to the index after the entries (a torn entry).
    TBankFixture& IndexTail(const std::string& Bytes) {
        FTail = Bytes;
        return *this;
    }
    void Write() const {
        std::string Data;
        for (const std::string& S : FSlots) {
            std::string Slot(256, '\0');
            Slot[0] = char(S.size());
            Slot.replace(1, S.size(), S);
            Data += Slot;
        }
        WriteFileBytes(FStem + ".hdr", FIndex + FTail);
        WriteFileBytes(FStem + ".dta", Data);
    }

private:
    std::string FStem;
    std::string FIndex;
    std::string FTail;
    std::vector<std::string> FSlots;
};
