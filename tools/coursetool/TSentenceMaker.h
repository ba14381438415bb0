// Crazy sentences: grammatical nonsense made from a small lexicon of our own
// (words sorted by their part in a sentence) and sentence patterns.
//
// Lexicon file: "pattern=D A N V D N" lines give patterns of categories; any
// other line is a category name followed by its words; "article=a an" makes
// the first word become the second before a vowel; "numberword=at" gives the
// word that leads a number into a sentence. Lines starting with an
// apostrophe are comments.
#pragma once

#include <map>
#include <string>
#include <vector>

class TSentenceMaker {
public:
    // False when the file cannot be read.
    bool Load(const std::string& Path);

    // The word that leads a number into a sentence ("at" in "at 7"); may be empty.
    const std::string& NumberWord() const { return FNumberWord; }

    // Up to Count different sentences (no full stop) made only of the
    // characters of Known and each holding the character Must (any sentence
    // will do when Must is 0). The lexicon's capitalised words (nouns) come
    // as written once Known holds capitals, in small letters before.
    std::vector<std::string> Make(const std::string& Known, unsigned char Must, size_t Count,
                                  uint64_t Seed) const;

private:
    std::vector<std::vector<std::string>> FPatterns;
    std::map<std::string, std::vector<std::string>> FWords;
    std::string FArticle, FArticleBeforeVowel, FNumberWord;
};
