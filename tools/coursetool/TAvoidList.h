// Words never to put into a lesson: rude, hurtful or unsuitable for a typing
// class, in each language with the forms its endings make of them.
//
// File (Latin-1 or UTF-8): a line "[en]", "[de]", "[sv]" or "[all]" starts
// the words of a language (or of every language); "[keep en]" and the like
// start innocent words that only look like a form of an avoided one
// ("butter" is no form of "butt"). Words are apart by spaces or line ends;
// a word ending in "*" avoids every word that begins with it. Lines starting
// with an apostrophe are comments.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class TAvoidList {
public:
    // Adds the words of a file; how many, or -1 when it cannot be read.
    int Load(const std::string& Path);

    // True when Word, in any case, is an avoided word of Language ("en",
    // "de" or "sv") or of every language, or a form that the language's
    // endings make of one: "killed" of "kill", "Huren" of "hure", "horor" of
    // "hor". An English stem loses its final "e" and doubles its last
    // consonant before an ending that begins with a vowel ("raping",
    // "gunned").
    bool Avoids(const std::string& Word, const std::string& Language) const;

    // The words of Text (runs of letters) that are avoided, as written.
    std::vector<std::string> Find(const std::string& Text, const std::string& Language) const;

    // The language of a text, from its commonest little words: "en", "de" or
    // "sv".
    static std::string GuessLanguage(const std::string& Text);

    // The language of the courses typed on a layout file: "de" for
    // "qwertz.kbd", "sv" for "nordic.kbd", "en" for the others.
    static std::string LanguageOfLayout(const std::string& LayoutFile);

    // The endings forms are made with in a language.
    static const std::vector<std::string>& Endings(const std::string& Language);

    size_t Size() const;

private:
    std::map<std::string, std::set<std::string>> FStems;    // language -> words
    std::map<std::string, std::set<std::string>> FPrefixes; // language -> beginnings
    std::map<std::string, std::set<std::string>> FKeep;     // language -> innocent words
    bool Listed(const std::string& Lower, const std::string& Language) const;
};
