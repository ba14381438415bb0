// Saves every seam of the program when made and puts each one back when
// destroyed, so that a test may install its own clock, dialog answers, random
// sequence and so on without undoing them by hand.
//
// The seams without widgets are always known; a test executable with windows
// adds the seams of the widget libraries at start (AddWidgetSeams, called by
// its main). A fixture holds one guard for the length of each test:
//     TSeamGuard Seams;           // a member, made before SetUp runs
//     SetClock(&Clock);           // in SetUp; put back after TearDown
#pragma once

#include <functional>
#include <string>
#include <vector>

class TSeamGuard {
public:
    // A seam: its name and a function that saves its state and returns the
    // function that puts that state back.
    using TRestore = std::function<void()>;
    struct TSeam {
        std::string Name;
        std::function<TRestore()> Save;
    };

    TSeamGuard();
    ~TSeamGuard();
    TSeamGuard(const TSeamGuard&) = delete;
    TSeamGuard& operator=(const TSeamGuard&) = delete;

    // Every seam known, in the order they are saved (put back in reverse).
    static const std::vector<TSeam>& Seams();
    static void AddSeams(const std::vector<TSeam>& More);

    // A seam read through Get and put back through Set.
    template <class TGet, class TSet> static std::function<TRestore()> Keep(TGet Get, TSet Set) {
        return [Get, Set]() -> TRestore {
            auto Saved = Get();
            return [Set, Saved] { Set(Saved); };
        };
    }

private:
    std::vector<TRestore> FRestore;
};

// The seams of the widget libraries: the shell opener, the story chooser, the
// active view, the program's result sink and the report's printer
// (tests/support/WidgetSeams.cpp).
void AddWidgetSeams();
