// The rules of the revision wizard and menu that need no page: which keys an
// exercise revises, how much material each key gets, the story durations and
// the bubbles game's key sets.
#pragma once

#include <cstdint>
#include <string>

// The learner's choice of keys on the wizard page.
enum TKeyChoice { kcDifficult = 0, kcCurrent = 1, kcTyped = 2 };
// The method of revision.
enum TRevisionMethod { rmKeyboard = 0, rmCrazySentences = 1, rmBubbles = 2, rmLexidrop = 3 };

// What the keys are worked out from.
struct TKeyChoiceInput {
    int Choice = kcDifficult;
    int Method = rmKeyboard;
    std::string KnownKeys;     // the event's known keys
    std::string CurrentGroup;  // the key group the exercise introduces
    std::string DifficultKeys; // the keys the page lists as difficult
    std::string Typed;         // what the learner typed
    std::string StudiedKeys;   // every key of the groups that may be revised
    std::string LastGroup;     // the last of those groups
};

struct TKeyChoiceResult {
    std::string Keys;
    // An information for the learner when the typed keys could not be
    // used; empty otherwise.
    std::string Message;
};

// The keys to revise. Bubbles need at least five keys to be worth playing,
// so short sets are filled up with home-row keys. Typed keys without a
// letter, or none of them studied yet, are replaced by the known and
// difficult keys, or the last studied group when there are none.
TKeyChoiceResult ChooseRevisionKeys(const TKeyChoiceInput& In);

// Words per key of a keyboard drill for KeyCount keys: 5 for one key down to
// 1 from seven keys on.
int DrillWordsPerKey(int KeyCount);
// Rows per key of a sentence exercise: 6 for one key down to 1 from seven on.
int RowsPerKey(int KeyCount);
// Words per key of the falling-words game: about 200 words in all; none
// without keys.
int GameWordsPerKey(int KeyCount);

// Minutes of story typing for the duration item 1..4 (5, 10, 20, 30);
// 1 for any other item.
int StoryMinutes(int Duration);
// Keys of the bubbles game for the key-set item 1..4: the studied keys,
// small letters, letters of both cases, letters and digits.
std::string BubblesKeySet(int KeySet, const std::string& StudiedKeys);

// A story's text as its preview shows it: the lines of a paragraph run on
// as one text, to be wrapped at the preview's width, and paragraphs (parted
// by empty lines) are parted by one empty row ("\r\r"). Lines may end in CR
// LF, LF or CR; spaces and tabs at either end of a line go.
std::string StoryPreviewText(const std::string& Text);
