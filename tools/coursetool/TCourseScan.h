// What the course tool and the material checks read from a contents file: its
// header, its key groups with the lines that introduce them, and the event
// lines of every exercise, each with the number of key groups known there.
#pragma once

#include <string>
#include <vector>

struct TScannedEvent {
    std::string Line;                // the event line as written (trimmed)
    std::vector<std::string> Tokens; // cut at "=" and ";" as the events cut it
    int LineNumber = 0;
    int KnownGroups = 0;         // key groups taught up to this event
    std::string Keyword() const; // token 1 in capitals
    std::string Token(size_t I) const { return I < Tokens.size() ? Tokens[I] : std::string(); }
};

struct TScannedExercise {
    std::string Type;
    int Duration = 0;
    std::vector<TScannedEvent> Events;
};

struct TScannedChapter {
    std::string Name;
    std::string Picture;
    std::string NewKeys;
    int NewKeysLine = 0;
    int Groups = 0; // key groups taught once this chapter's "new keys" line is read
    std::vector<TScannedExercise> Exercises;
};

class TCourseScan {
public:
    // Reads the file; false with Error naming the line when the file cannot
    // be read, a key group repeats a key (within itself or from an earlier
    // group) or a key group is empty.
    bool Load(const std::string& Path, std::string& Error);

    // False with Error naming the line of the first key group that holds a
    // character the layout's characters do not include.
    bool CheckLayout(const std::string& LayoutChars, std::string& Error) const;

    const std::string& FileName() const { return FFileName; }
    const std::string& Description() const { return FDescription; }
    const std::string& Keyboard() const { return FKeyboard; }
    const std::string& WizardName() const { return FWizardName; }
    int DefaultTime() const { return FDefaultTime; }
    const std::vector<std::string>& HeaderTags() const { return FHeaderTags; }
    const std::vector<TScannedChapter>& Chapters() const { return FChapters; }
    const std::vector<std::string>& Groups() const { return FGroups; }

    // The keys of groups 1..Level in order (all groups for a larger level).
    std::string KnownAt(int Level) const;
    // The group that first teaches C, 0 when none does.
    int LevelOf(unsigned char C) const;

private:
    std::string FFileName;
    std::string FDescription;
    std::string FKeyboard = "all";
    std::string FWizardName;
    int FDefaultTime = -1;
    std::vector<std::string> FHeaderTags;
    std::vector<std::string> FGroups;
    std::vector<int> FGroupLines;
    std::vector<TScannedChapter> FChapters;
};
