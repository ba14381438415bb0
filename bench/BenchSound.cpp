// How long PlayEffect keeps the caller: it only hands the sound to the
// player's thread, so a keystroke's error tone never delays the typing.
//
// Machines that run benchmarks seldom have a sound card, so the players use
// ALSA's "null" device unless CLAVORA_ALSA_DEVICE names another.
#include "files/Sounds.h"
#include "platform/AlsaPlayer.h"

#include <benchmark/benchmark.h>
#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The program directory of the build: $CLAVORA_APP_DIR, else ../app beside
// this executable.
std::string AppDir() {
    if (const char* Dir = std::getenv("CLAVORA_APP_DIR")) return Dir;
    char Exe[PATH_MAX] = {};
    const ssize_t Length = readlink("/proc/self/exe", Exe, sizeof Exe - 1);
    std::string Path(Exe, Length > 0 ? size_t(Length) : 0);
    return Path.substr(0, Path.rfind('/')) + "/../app";
}

void BM_PlayEffect(benchmark::State& State) {
    setenv("CLAVORA_ALSA_DEVICE", "null", 0);
    SoundsOn = true;
    LoadEffect(ErrorSound, AppDir() + "/Error.wav");
    if (!SoundsOn || !EffectPlayer(ErrorSound) || !EffectPlayer(ErrorSound)->CanPlay()) {
        State.SkipWithError("the error sound cannot be opened on the device");
        FreeAllEffects();
        return;
    }
    // As in a lesson: the player is idle, waiting, when a wrong key comes.
    const TAlsaPlayer* Player = EffectPlayer(ErrorSound);
    for (auto _ : State) {
        State.PauseTiming();
        while (Player->Playing()) {
        }
        State.ResumeTiming();
        PlayEffect(ErrorSound);
    }
    State.counters["starts"] = Player->Starts();
    FreeAllEffects();
}
BENCHMARK(BM_PlayEffect)->Unit(benchmark::kMicrosecond);

// Start-up on a machine without a sound device: the first load finds out and
// switches sound off, which must cost the learner no noticeable wait.
void BM_LoadEffectWithoutDevice(benchmark::State& State) {
    setenv("CLAVORA_ALSA_DEVICE", "hw:CARD=NoSuchCard", 1);
    for (auto _ : State) {
        SoundsOn = true;
        LoadEffect(ClickSound, AppDir() + "/Click.wav");
        if (SoundsOn) State.SkipWithError("a missing device left sound on");
        FreeAllEffects();
    }
    SoundsOn = true;
    setenv("CLAVORA_ALSA_DEVICE", "null", 1);
}
BENCHMARK(BM_LoadEffectWithoutDevice)->Unit(benchmark::kMillisecond);

} // namespace
