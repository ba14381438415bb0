// The shipped sound effects: valid PCM, of the lengths and levels they were
// designed with (the error tone quieter than the
// rest), and starting and ending in silence so that they never click.
#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>

namespace {

std::string AppDir() {
    const char* Dir = std::getenv("CLAVORA_APP_DIR");
    return Dir ? Dir : "";
}

int16_t Sample(const TWave& Wave, size_t I) {
    return int16_t(uint8_t(Wave.Samples[2 * I]) | uint8_t(Wave.Samples[2 * I + 1]) << 8);
}

double PeakDbfs(const TWave& Wave) {
    int Peak = 1;
    for (size_t I = 0; I < Wave.Frames(); ++I)
        Peak = std::max(Peak, std::abs(int(Sample(Wave, I))));
    return 20.0 * std::log10(Peak / 32768.0);
}

} // namespace

TEST(SoundFiles, AreShortMonoPcmAtTheirDesignedLengthsAndLevels) {
    const struct {
        const char* Name;
        double MinSeconds, MaxSeconds;
        double MinPeak, MaxPeak;
    } Files[] = {
        {"Click.wav", 0.03, 0.06, -7.0, -5.0},
        {"Error.wav", 0.12, 0.20, -16.0, -10.0},
        {"Theend.wav", 0.6, 1.0, -7.0, -5.0},
        {"Intro.wav", 3.0, 6.0, -7.0, -5.0},
    };
    off_t Total = 0;
    for (const auto& F : Files) {
        SCOPED_TRACE(F.Name);
        const std::string Path = AppDir() + "/" + F.Name;
        TWave Wave;
        ASSERT_TRUE(ReadWaveFile(Path, Wave));
        EXPECT_EQ(Wave.Channels, 1);
        EXPECT_EQ(Wave.BitsPerSample, 16);
        EXPECT_TRUE(Wave.SampleRate == 22050 || Wave.SampleRate == 44100);
        const double Seconds = double(Wave.Frames()) / Wave.SampleRate;
        EXPECT_GE(Seconds, F.MinSeconds);
        EXPECT_LE(Seconds, F.MaxSeconds);
        const double Peak = PeakDbfs(Wave);
        EXPECT_GE(Peak, F.MinPeak);
        EXPECT_LE(Peak, F.MaxPeak);
        // Faded in and out: the first and last samples are all but silent.
        EXPECT_LE(std::abs(int(Sample(Wave, 0))), 64);
        EXPECT_LE(std::abs(int(Sample(Wave, Wave.Frames() - 1))), 64);
        struct stat Info {};
        ASSERT_EQ(stat(Path.c_str(), &Info), 0);
        Total += Info.st_size;
    }
    EXPECT_LT(Total, 600 * 1024);
}
