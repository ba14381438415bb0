// Wave files: the RIFF container with uncompressed PCM samples, as the sound
// effects use them.
#pragma once

#include <string>

struct TWave {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    // Interleaved little-endian frames, a whole number of them.
    std::string Samples;

    int FrameBytes() const { return Channels * BitsPerSample / 8; }
    size_t Frames() const { return FrameBytes() > 0 ? Samples.size() / size_t(FrameBytes()) : 0; }
};

// Reads a wave file held in memory. Accepts PCM (plain or in the extensible
// format) with 8 or 16 bits, one or two channels and a rate from 4000 to
// 192000 Hz. A data chunk that claims more bytes than the file holds is cut to
// what is there. Returns false, leaving Wave empty, for anything else or when
// there is not a single frame to play.
bool ParseWave(const std::string& Bytes, TWave& Wave);

// ParseWave on a file's content; false when the file cannot be read or is
// larger than any sound effect has reason to be (64 MiB).
bool ReadWaveFile(const std::string& FileName, TWave& Wave);
