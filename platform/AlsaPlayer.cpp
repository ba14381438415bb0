#include "platform/AlsaPlayer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace {

// Buffer of the stream: restarts drop it, so it adds no delay to them.
constexpr unsigned BufferMicroseconds = 100000;
// Silence after each sound, so that the device never plays stale samples
// when it runs out of data.
constexpr int TailMilliseconds = 30;

// ALSA reports its errors on stderr; a missing device is normal here and is
// handled by switching sound off, so say nothing.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa() {
    static std::once_flag Once;
    std::call_once(Once, [] { snd_lib_error_set_handler(Quiet); });
}

} // namespace

TAlsaPlayer::~TAlsaPlayer() {
    Close();
}

std::string TAlsaPlayer::DeviceName() {
    const char* Name = std::getenv("CLAVORA_ALSA_DEVICE");
    return Name && *Name ? Name : "default";
}

TAlsaPlayer::TOpenResult TAlsaPlayer::Open(const std::string& FileName) {
    Close();
    TWave Wave;
    if (!ReadWaveFile(FileName, Wave)) return orBadFile;
    SilenceAlsa();
    snd_pcm_t* Pcm = nullptr;
    if (snd_pcm_open(&Pcm, DeviceName().c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return orDeviceError;
    const snd_pcm_format_t Format =
        Wave.BitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_set_params(Pcm, Format, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(Wave.Channels),
                           unsigned(Wave.SampleRate), 1, BufferMicroseconds) < 0) {
        snd_pcm_close(Pcm);
        return orDeviceError;
    }
    const size_t TailFrames = size_t(Wave.SampleRate) * TailMilliseconds / 1000;
    const char Silence = Wave.BitsPerSample == 8 ? char(0x80) : char(0);
    Wave.Samples.append(TailFrames * size_t(Wave.FrameBytes()), Silence);
    FWave = std::move(Wave);
    FPcm = Pcm;
    FRequest = rqNone;
    FPlaying = false;
    FThread = std::thread(&TAlsaPlayer::Feed, this);
    return orOpened;
}

void TAlsaPlayer::Close() {
    if (FThread.joinable()) {
        {
            std::lock_guard<std::mutex> L(FLock);
            FRequest = rqQuit;
        }
        FWake.notify_one();
        FThread.join();
    }
    if (FPcm) {
        snd_pcm_close(FPcm);
        FPcm = nullptr;
    }
    FWave = TWave();
    FPlaying = false;
}

void TAlsaPlayer::Play() {
    if (!FPcm) return;
    {
        std::lock_guard<std::mutex> L(FLock);
        if (FRequest == rqQuit) return;
        FRequest = rqPlay;
        FPlaying = true;
    }
    FWake.notify_one();
}

void TAlsaPlayer::Stop() {
    if (!FPcm) return;
    {
        std::lock_guard<std::mutex> L(FLock);
        if (FRequest == rqQuit) return;
        FRequest = rqStop;
    }
    FWake.notify_one();
}

void TAlsaPlayer::Feed() {
    for (;;) {
        TRequest Request;
        {
            std::unique_lock<std::mutex> L(FLock);
            FWake.wait(L, [this] { return FRequest != rqNone; });
            Request = FRequest;
            if (Request != rqQuit) FRequest = rqNone;
        }
        if (Request == rqQuit) break;
        if (Request == rqPlay) PlayOnce();
        snd_pcm_drop(FPcm);
        std::lock_guard<std::mutex> L(FLock);
        // A Play that came in meanwhile keeps the flag up for its own turn.
        if (FRequest != rqPlay) FPlaying = false;
    }
    snd_pcm_drop(FPcm);
}

bool TAlsaPlayer::Interrupted() {
    std::lock_guard<std::mutex> L(FLock);
    return FRequest != rqNone;
}

bool TAlsaPlayer::WaitForRequest(int Ms) {
    std::unique_lock<std::mutex> L(FLock);
    return FWake.wait_for(L, std::chrono::milliseconds(Ms), [this] { return FRequest != rqNone; });
}

void TAlsaPlayer::PlayOnce() {
    snd_pcm_drop(FPcm);
    if (snd_pcm_prepare(FPcm) < 0) return;
    ++FStarts;
    const size_t FrameBytes = size_t(FWave.FrameBytes());
    const size_t Total = FWave.Frames();
    size_t Done = 0;
    while (Done < Total) {
        if (Interrupted()) return;
        const snd_pcm_sframes_t Written =
            snd_pcm_writei(FPcm, FWave.Samples.data() + Done * FrameBytes, Total - Done);
        if (Written == -EAGAIN) {
            snd_pcm_wait(FPcm, 10);
        } else if (Written < 0) {
            if (snd_pcm_recover(FPcm, int(Written), 1) < 0) return;
        } else {
            Done += size_t(Written);
        }
    }
    // A sound shorter than the buffer never reaches the start threshold.
    if (snd_pcm_state(FPcm) == SND_PCM_STATE_PREPARED) snd_pcm_start(FPcm);
    // Let it play out, listening for requests. A device that stops moving is
    // given up on a second after the sound should have ended.
    const auto GiveUp = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(Total * 1000 / size_t(FWave.SampleRate) + 1000);
    for (;;) {
        snd_pcm_sframes_t Delay = 0;
        if (snd_pcm_state(FPcm) != SND_PCM_STATE_RUNNING || snd_pcm_delay(FPcm, &Delay) < 0 ||
            Delay <= 0)
            return;
        if (std::chrono::steady_clock::now() > GiveUp) return;
        const int Ms = int(std::min<snd_pcm_sframes_t>(20, Delay * 1000 / FWave.SampleRate + 1));
        if (WaitForRequest(Ms)) return;
    }
}
