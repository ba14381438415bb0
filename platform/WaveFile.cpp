#include "platform/WaveFile.h"

#include <cstdint>
#include <fstream>

namespace {

constexpr uint64_t MaxWaveFileBytes = 64u << 20;

uint32_t U32(const std::string& B, size_t At) {
    return uint32_t(uint8_t(B[At])) | uint32_t(uint8_t(B[At + 1])) << 8 |
           uint32_t(uint8_t(B[At + 2])) << 16 | uint32_t(uint8_t(B[At + 3])) << 24;
}

uint16_t U16(const std::string& B, size_t At) {
    return uint16_t(uint8_t(B[At]) | uint8_t(B[At + 1]) << 8);
}

// The format chunk's fields; true when they describe PCM we can play.
bool ReadFormat(const std::string& B, size_t At, uint64_t Size, TWave& Wave) {
    if (Size < 16) return false;
    uint16_t Tag = U16(B, At);
    const uint16_t Channels = U16(B, At + 2);
    const uint32_t Rate = U32(B, At + 4);
    const uint16_t BlockAlign = U16(B, At + 12);
    const uint16_t Bits = U16(B, At + 14);
    // WAVE_FORMAT_EXTENSIBLE names the real format in its sub-format GUID.
    if (Tag == 0xFFFE) {
        if (Size < 40) return false;
        Tag = U16(B, At + 24);
    }
    if (Tag != 1) return false;
    if (Channels < 1 || Channels > 2) return false;
    if (Bits != 8 && Bits != 16) return false;
    if (Rate < 4000 || Rate > 192000) return false;
    if (BlockAlign != Channels * Bits / 8) return false;
    Wave.Channels = Channels;
    Wave.SampleRate = int(Rate);
    Wave.BitsPerSample = Bits;
    return true;
}

} // namespace

bool ParseWave(const std::string& Bytes, TWave& Wave) {
    Wave = TWave();
    if (Bytes.size() < 12 || Bytes.compare(0, 4, "RIFF") != 0 || Bytes.compare(8, 4, "WAVE") != 0)
        return false;
    TWave Found;
    bool HaveFormat = false;
    size_t DataAt = 0;
    uint64_t DataSize = 0;
    bool HaveData = false;
    uint64_t At = 12;
    while (At + 8 <= Bytes.size()) {
        const std::string Id = Bytes.substr(size_t(At), 4);
        const uint64_t Size = U32(Bytes, size_t(At) + 4);
        const uint64_t Body = At + 8;
        const uint64_t Available = Bytes.size() - Body;
        if (Id == "fmt ") {
            if (HaveFormat || Size > Available) return false;
            if (!ReadFormat(Bytes, size_t(Body), Size, Found)) return false;
            HaveFormat = true;
        } else if (Id == "data" && !HaveData) {
            HaveData = true;
            DataAt = size_t(Body);
            DataSize = Size < Available ? Size : Available;
        }
        At = Body + Size + (Size & 1);
    }
    if (!HaveFormat || !HaveData) return false;
    const uint64_t Frame = uint64_t(Found.FrameBytes());
    const uint64_t Whole = DataSize / Frame * Frame;
    if (Whole == 0) return false;
    Found.Samples = Bytes.substr(DataAt, size_t(Whole));
    Wave = std::move(Found);
    return true;
}

bool ReadWaveFile(const std::string& FileName, TWave& Wave) {
    Wave = TWave();
    std::ifstream In(FileName, std::ios::binary);
    if (!In) return false;
    In.seekg(0, std::ios::end);
    const std::streamoff Size = In.tellg();
    if (Size < 0 || uint64_t(Size) > MaxWaveFileBytes) return false;
    In.seekg(0);
    std::string Bytes(size_t(Size), '\0');
    if (!In.read(Bytes.data(), Size)) return false;
    return ParseWave(Bytes, Wave);
}
