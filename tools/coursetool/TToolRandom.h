// A small seeded random source, so that the material comes out the same on
// every machine and every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TToolRandom {
public:
    explicit TToolRandom(uint64_t Seed) : FState(Seed * 2654435761u + 0x9E3779B97F4A7C15ull) {}

    // 0 <= result < N (N > 0).
    size_t Below(size_t N) {
        FState ^= FState << 13;
        FState ^= FState >> 7;
        FState ^= FState << 17;
        return size_t(FState % N);
    }
    bool Chance(int Percent) { return int(Below(100)) < Percent; }

    template <class T> const T& Pick(const std::vector<T>& V) { return V[Below(V.size())]; }
    char Pick(const std::string& S) { return S[Below(S.size())]; }

    template <class T> void Shuffle(std::vector<T>& V) {
        for (size_t I = V.size(); I > 1; --I)
            std::swap(V[I - 1], V[Below(I)]);
    }

private:
    uint64_t FState;
};
