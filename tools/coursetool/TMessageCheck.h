// What a chapter's message tells the learner, read back so that it can be
// checked: the fingers it names for keys, and the words it offers to type.
// Messages may be English, German or Swedish; the finger names of all three
// are understood.
#pragma once

#include <string>
#include <vector>

// A key named in a message together with the finger the message gives it.
struct TFingerClaim {
    char Key = 0;       // a capital letter, a digit or "ß" as written
    int Hand = 0;       // 1 left, 2 right, 0 when the message leaves it open
    int Kind = 0;       // 1 little, 2 ring, 3 middle, 4 index finger
    std::string Phrase; // the part of the sentence that says it
};

// Every key of Text that stands in one part of a sentence (parts end at a
// comma, semicolon, colon or the end of a sentence) with a finger: a key
// goes with the next finger named after it in that part, or else with the
// last one named before it.
std::vector<TFingerClaim> FingerClaims(const std::string& Text);

// The finger of a layout's finger table (1-4 the left hand from the little
// finger in, 5-8 the right hand from the index finger out) that a claim
// describes: true when the claim agrees with it.
bool ClaimAgrees(const TFingerClaim& Claim, int Finger);

// The words a message gives to type: in each paragraph that ends in a list
// after a colon ("New words: her, sure and fur."), the words of that list.
// A paragraph whose last colon is followed by anything other than single
// words apart by commas (and "and", "und" or "och" before the last) gives
// none.
std::vector<std::string> ExampleWords(const std::string& Text);
