#include "games/TBubblesGame.h"

#include "files/SystemUtils.h"
#include "games/TtopTen.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double ClockSecondsPerDay = 100000.0;
} // namespace

TBubblesGame::TBubblesGame(int AreaWidth, int AreaHeight) : Width(AreaWidth), Height(AreaHeight) {
    FSlotLetters.fill(Tbubble::NoLetter);
    for (int I = 0; I < SlotCount; ++I)
        FSlots[size_t(I)].FX = SlotX(I);
}

std::string TBubblesGame::KeySet(const std::string& Keys) {
    std::string Out;
    for (char C : Keys) {
        const unsigned char U = static_cast<unsigned char>(C);
        // A blank or a control character cannot be read on a bubble.
        if (U <= ' ' || U == 127 || (U >= 128 && U < 160)) continue;
        Out += C;
    }
    return Out.empty() ? std::string(DefaultKeys) : Out;
}

int TBubblesGame::ScoreDivisor(size_t KeyCount) {
    if (KeyCount <= 6) return 4;
    if (KeyCount <= 9) return 2;
    return 1;
}

void TBubblesGame::Begin(const std::string& KnownKeys, double Now) {
    FRecentHeights.fill(0);
    FRecentCount = FRecentNext = FRecentSum = 0;
    FSpeedFactor = 1.0;
    FMissed = 0;
    FSpawnInterval = 2;
    FLastSpawn = FLastFizz = Now;
    FKeys = KeySet(KnownKeys);
    FScoreDivisor = ScoreDivisor(FKeys.size());
    FSlotLetters.fill(Tbubble::NoLetter);
    for (int I = 0; I < SlotCount; ++I) {
        Tbubble& B = FSlots[size_t(I)];
        B = Tbubble();
        B.FX = SlotX(I);
    }
    FFizzList.clear();
    Score = 0;
}

bool TBubblesGame::OnScreen(int Letter) const {
    return std::find(FSlotLetters.begin(), FSlotLetters.end(), Letter) != FSlotLetters.end();
}

TBubblesGame::TKeyResult TBubblesGame::KeyPress(unsigned char Ch, bool Running) {
    TKeyResult Result;
    // The pace of the moment: each pop moves it, so a second bubble popped
    // by the same key scores at the pace the first one left.
    auto Pace = [this] { return 2 * int(std::trunc(FSpeedFactor)); };
    for (int I = 0; I < SlotCount; ++I) {
        Tbubble& B = FSlots[size_t(I)];
        if (!B.FActive || B.FLetter != int(Ch)) continue;
        FSlotLetters[size_t(I)] = Tbubble::NoLetter;
        const int Y = B.FY;
        const int Kind = B.FKind;
        B.Pop();
        const int32_t Points = (Pace() + (Kind == 2 ? 8 : 3)) / FScoreDivisor;
        Score = TtopTen::Capped(Score + Points);
        Result.Points += Points;
        Result.Popped += 1;
        RecordHeight(Y);
    }
    if (Result.Popped == 0) {
        Result.Wrong = true;
        if (Running) {
            const int32_t Lost = std::min(Score, Pace());
            Score -= Lost;
            Result.Points = -Lost;
        }
    }
    return Result;
}

void TBubblesGame::RecordHeight(int H) {
    if (FRecentCount == int(FRecentHeights.size()))
        FRecentSum -= FRecentHeights[size_t(FRecentNext)];
    else
        FRecentCount += 1;
    FRecentHeights[size_t(FRecentNext)] = H;
    FRecentSum += H;
    FRecentNext = (FRecentNext + 1) % int(FRecentHeights.size());
    const int Average = int(std::nearbyint(double(FRecentSum) / FRecentCount));

    if (Average > Height - 80)
        FSpeedFactor += Interpolate(0.1f, 0.5f, float(Height - 80), float(Height), float(Average));
    else if (Average > Height - 120)
        FSpeedFactor += 0.07;
    else
        FSpeedFactor += 0.008;
    FSpeedFactor = std::max(FSpeedFactor, 1.0);
    FSpawnInterval = Interpolate(0.55f, 1.5f, 10, 1, float(FSpeedFactor));
}

int TBubblesGame::RiseSpeed() const {
    const int Speed = int(std::nearbyint(Interpolate(11, 3, 10, 1, float(FSpeedFactor))));
    return std::min(Speed, 13);
}

int TBubblesGame::PickLetter(int Slot) {
    const int L = int(FKeys.size());
    auto LetterAt = [this](int Position) {
        return int(static_cast<unsigned char>(FKeys[size_t(Position - 1)]));
    };
    const int Start = Random(L) + 1;
    const bool Forward = Random(2) == 1;
    int Chosen = 0;
    for (int Attempt = 0; Attempt < 2 && Chosen == 0; ++Attempt) {
        const int Step = (Forward == (Attempt == 0)) ? 1 : -1;
        // Backwards, position 1 is looked at only as the start.
        for (int P = Start; Step > 0 ? P <= L : (P >= 2 || P == Start); P += Step) {
            if (!OnScreen(LetterAt(P))) {
                Chosen = P;
                break;
            }
        }
    }
    if (Chosen == 0) Chosen = Random(L) + 1;
    const int Letter = LetterAt(Chosen);
    FSlotLetters[size_t(Slot)] = Letter;
    FSlots[size_t(Slot)].SetLetter(Letter);
    return Letter;
}

TBubblesGame::TTickResult TBubblesGame::Tick(double Now) {
    TTickResult Result;
    const bool Due = (Now - FLastSpawn) * ClockSecondsPerDay > FSpawnInterval;
    int Free[SlotCount];
    int FreeCount = 0;
    for (int I = 0; I < SlotCount; ++I) {
        Tbubble& B = FSlots[size_t(I)];
        if (!B.FActive) {
            Free[FreeCount++] = I;
            continue;
        }
        B.Move(1);
        if (B.FActive) continue;
        RecordHeight(EscapeHeight);
        FSlotLetters[size_t(I)] = Tbubble::NoLetter;
        FMissed += 1;
        Result.Escaped += 1;
        if (FMissed == MissLimit) Result.GameOver = true;
    }
    // No new bubble once the game is lost.
    if (Due && FreeCount > 0 && FMissed < MissLimit) {
        const int Slot = Free[Random(FreeCount)];
        Tbubble& B = FSlots[size_t(Slot)];
        if (Random(10) >= 8) {
            B.FKind = 2;
            B.FSize = 45;
            B.Launch(int(std::nearbyint(RiseSpeed() * 1.2)), Height);
        } else {
            B.FKind = 1;
            B.FSize = 40;
            B.Launch(RiseSpeed(), Height);
        }
        PickLetter(Slot);
        FLastSpawn = Now;
        Result.Spawned = Slot;
    }
    if ((Now - FLastFizz) * ClockSecondsPerDay > FFizzInterval) {
        Tbubble Fizz;
        Fizz.FFizz = true;
        Fizz.FSize = 4 + Random(5);
        Fizz.FX = Random(Width - Fizz.FSize);
        Fizz.Launch(Fizz.FSize - 2, Height);
        FFizzList.push_back(Fizz);
        FLastFizz = Now;
    }
    for (Tbubble& Fizz : FFizzList)
        Fizz.Move(1);
    FFizzList.erase(std::remove_if(FFizzList.begin(), FFizzList.end(),
                                   [](const Tbubble& B) { return !B.FActive; }),
                    FFizzList.end());
    return Result;
}
