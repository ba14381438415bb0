// One sound on the ALSA device: the player behind a sound-effect slot.
//
// Opening reads the whole wave file and opens a playback stream for it; a
// small thread of the player's own feeds the stream, so Play returns at once.
// Play while the sound is playing starts it again from its beginning. Stop,
// Close and the destructor end the sound and wait for the thread.
#pragma once

#include "platform/WaveFile.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

typedef struct _snd_pcm snd_pcm_t;

class TAlsaPlayer {
public:
    enum TOpenResult {
        orOpened,
        // The file is missing, unreadable or not a PCM wave file.
        orBadFile,
        // The sound device cannot be opened or refuses the sound's format.
        orDeviceError,
    };

    TAlsaPlayer() = default;
    ~TAlsaPlayer();
    TAlsaPlayer(const TAlsaPlayer&) = delete;
    TAlsaPlayer& operator=(const TAlsaPlayer&) = delete;

    // Closes what was open, then opens the file on DeviceName().
    TOpenResult Open(const std::string& FileName);
    void Close();
    // True once Open succeeded: the device can play.
    bool CanPlay() const { return FPcm != nullptr; }

    // Starts the sound from its beginning without waiting for the device.
    void Play();
    // Ends the sound under way, if any.
    void Stop();
    // True from Play until the device has played the sound out (or it was
    // stopped).
    bool Playing() const { return FPlaying.load(); }
    // How many times the thread has started the sound (tests).
    int Starts() const { return FStarts.load(); }

    // The ALSA device the players open: $CLAVORA_ALSA_DEVICE, else "default".
    static std::string DeviceName();

private:
    enum TRequest { rqNone, rqPlay, rqStop, rqQuit };

    void Feed();
    // Plays the sound once; returns early when a new request arrives.
    void PlayOnce();
    bool Interrupted();
    // Waits up to Ms milliseconds for a request; true when one arrived.
    bool WaitForRequest(int Ms);

    TWave FWave;
    snd_pcm_t* FPcm = nullptr;
    std::thread FThread;
    std::mutex FLock;
    std::condition_variable FWake;
    TRequest FRequest = rqNone; // guarded by FLock
    std::atomic<bool> FPlaying{false};
    std::atomic<int> FStarts{0};
};
