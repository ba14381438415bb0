// Reading wave files: what plays and what is refused.
#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

void Put16(std::string& B, unsigned V) {
    B += char(V & 0xFF);
    B += char((V >> 8) & 0xFF);
}
void Put32(std::string& B, uint32_t V) {
    Put16(B, V & 0xFFFF);
    Put16(B, V >> 16);
}

std::string Chunk(const std::string& Id, const std::string& Body, uint32_t ClaimedSize) {
    std::string B = Id;
    Put32(B, ClaimedSize);
    B += Body;
    if (Body.size() & 1) B += '\0';
    return B;
}
std::string Chunk(const std::string& Id, const std::string& Body) {
    return Chunk(Id, Body, uint32_t(Body.size()));
}

std::string Format(unsigned Tag, unsigned Channels, uint32_t Rate, unsigned Bits) {
    std::string F;
    Put16(F, Tag);
    Put16(F, Channels);
    Put32(F, Rate);
    Put32(F, Rate * Channels * Bits / 8);
    Put16(F, Channels * Bits / 8);
    Put16(F, Bits);
    return Chunk("fmt ", F);
}

std::string Riff(const std::string& Chunks) {
    std::string B = "RIFF";
    Put32(B, uint32_t(4 + Chunks.size()));
    return B + "WAVE" + Chunks;
}

const std::string FourFrames = std::string("\x01\x00\x02\x00\x03\x00\x04\x00", 8);

} // namespace

TEST(WaveFile, ReadsPcmWhateverTheChunkOrderAndPadding) {
    TWave Wave;
    ASSERT_TRUE(ParseWave(Riff(Format(1, 1, 22050, 16) + Chunk("data", FourFrames)), Wave));
    EXPECT_EQ(Wave.Channels, 1);
    EXPECT_EQ(Wave.SampleRate, 22050);
    EXPECT_EQ(Wave.BitsPerSample, 16);
    EXPECT_EQ(Wave.Frames(), 4u);
    EXPECT_EQ(Wave.Samples, FourFrames);

    // An odd-sized chunk before the samples is padded to an even size; the
    // format may follow the data.
    ASSERT_TRUE(ParseWave(
        Riff(Chunk("LIST", "abc") + Chunk("data", FourFrames) + Format(1, 2, 44100, 8)), Wave));
    EXPECT_EQ(Wave.Channels, 2);
    EXPECT_EQ(Wave.BitsPerSample, 8);
    EXPECT_EQ(Wave.Frames(), 4u);
}

TEST(WaveFile, CutsASampleChunkThatClaimsMoreThanTheFileHolds) {
    TWave Wave;
    // A file cut short while being copied: play what is there, in whole frames.
    std::string Cut = Riff(Format(1, 1, 8000, 16) + Chunk("data", FourFrames + "\x05", 4000));
    Cut.pop_back(); // the pad byte
    ASSERT_TRUE(ParseWave(Cut, Wave));
    EXPECT_EQ(Wave.Frames(), 4u);
    // A size near 4 GiB must not wrap around.
    ASSERT_TRUE(
        ParseWave(Riff(Format(1, 1, 8000, 16) + Chunk("data", FourFrames, 0xFFFFFFFF)), Wave));
    EXPECT_EQ(Wave.Frames(), 4u);
}

TEST(WaveFile, RefusesWhatIsNotPlayablePcm) {
    const std::string Data = Chunk("data", FourFrames);
    const struct {
        const char* Case;
        std::string Bytes;
    } Cases[] = {
        {"empty", ""},
        {"text", "This is not a wave file at all, just some words."},
        {"RIFF of another kind", std::string("RIFF\x10\0\0\0AVI LIST\0\0\0\0", 20)},
        {"no format", Riff(Data)},
        {"no samples", Riff(Format(1, 1, 22050, 16))},
        {"no whole frame", Riff(Format(1, 2, 22050, 16) + Chunk("data", "\1\2"))},
        {"floating point", Riff(Format(3, 1, 22050, 32) + Data)},
        {"compressed", Riff(Format(2, 1, 22050, 4) + Data)},
        {"24 bits", Riff(Format(1, 1, 22050, 24) + Data)},
        {"no channels", Riff(Format(1, 0, 22050, 16) + Data)},
        {"six channels", Riff(Format(1, 6, 22050, 16) + Data)},
        {"rate zero", Riff(Format(1, 1, 0, 16) + Data)},
        {"two formats", Riff(Format(1, 1, 22050, 16) + Format(1, 1, 22050, 16) + Data)},
        {"format cut short", Riff(Chunk("fmt ", "\1\0\1\0", 16))},
    };
    for (const auto& C : Cases) {
        TWave Wave;
        EXPECT_FALSE(ParseWave(C.Bytes, Wave)) << C.Case;
        EXPECT_EQ(Wave.Frames(), 0u) << C.Case;
    }
    TWave Wave;
    EXPECT_FALSE(ReadWaveFile("/nonexistent/Click.wav", Wave));
}

TEST(WaveFile, ReadsTheExtensibleFormatWhenItHoldsPcm) {
    std::string F;
    Put16(F, 0xFFFE);
    Put16(F, 1);
    Put32(F, 22050);
    Put32(F, 44100);
    Put16(F, 2);
    Put16(F, 16);
    Put16(F, 22); // extension size
    Put16(F, 16); // valid bits
    Put32(F, 4);  // channel mask
    std::string Pcm = F;
    Put16(Pcm, 1); // the sub-format GUID starts with the format tag
    Pcm += std::string(14, '\0');
    std::string Float = F;
    Put16(Float, 3);
    Float += std::string(14, '\0');
    TWave Wave;
    EXPECT_TRUE(ParseWave(Riff(Chunk("fmt ", Pcm) + Chunk("data", FourFrames)), Wave));
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", Float) + Chunk("data", FourFrames)), Wave));
}
