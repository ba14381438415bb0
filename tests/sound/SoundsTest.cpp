// The sound-effect slots and their switch, played on ALSA's "null" device
// (which accepts every sound and plays it at once) or on a device that does
// not exist, as on a machine without sound.
#include "files/Sounds.h"
#include "platform/AlsaPlayer.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

std::string Shipped(const std::string& Name) {
    const char* Dir = std::getenv("CLAVORA_APP_DIR");
    return std::string(Dir ? Dir : ".") + "/" + Name;
}

// Polls the condition for up to two seconds.
bool Eventually(const std::function<bool()>& Condition) {
    const auto Until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!Condition()) {
        if (std::chrono::steady_clock::now() > Until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class SoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SoundsOn = true;
        ClearDialogLog();
        UseDevice("null");
    }
    void TearDown() override {
        FreeAllEffects();
        SoundsOn = true;
        unsetenv("CLAVORA_ALSA_DEVICE");
    }
    static void UseDevice(const char* Name) { setenv("CLAVORA_ALSA_DEVICE", Name, 1); }

    TScopedTempDir Dir;
};

} // namespace

// How long that takes is measured by the benchmarks (load_effect_no_device_ms).
TEST_F(SoundsTest, WithoutADeviceTheFirstLoadSwitchesSoundOffSilently) {
    UseDevice("hw:CARD=NoSuchCard");
    LoadEffect(ClickSound, Shipped("Click.wav"));
    EXPECT_FALSE(SoundsOn);
    // The slot keeps its unopened player; later loads do nothing at all.
    ASSERT_NE(EffectPlayer(ClickSound), nullptr);
    EXPECT_FALSE(EffectPlayer(ClickSound)->CanPlay());
    LoadEffect(ErrorSound, Shipped("Error.wav"));
    EXPECT_EQ(EffectPlayer(ErrorSound), nullptr);
    PlayEffect(ClickSound);
    EXPECT_TRUE(DialogLog().empty());
    // A device that appears later does not bring sound back during the run.
    UseDevice("null");
    LoadEffect(ErrorSound, Shipped("Error.wav"));
    EXPECT_EQ(EffectPlayer(ErrorSound), nullptr);
}

TEST_F(SoundsTest, TheSwitchSilencesLoadedSlotsAndLoadsNothingWhileOff) {
    LoadEffect(ClickSound, Shipped("Click.wav"));
    const TAlsaPlayer* Click = EffectPlayer(ClickSound);
    ASSERT_NE(Click, nullptr);
    ASSERT_TRUE(Click->CanPlay());

    SoundsOn = false;
    PlayEffect(ClickSound);
    EXPECT_FALSE(Click->Playing());
    LoadEffect(ErrorSound, Shipped("Error.wav"));
    EXPECT_EQ(EffectPlayer(ErrorSound), nullptr);

    SoundsOn = true;
    PlayEffect(ClickSound);
    EXPECT_TRUE(Eventually([&] { return Click->Starts() == 1; }));
    EXPECT_TRUE(Eventually([&] { return !Click->Playing(); }));
}

TEST_F(SoundsTest, TheStandardStartUpLeavesSlotFourSilentAndIgnoresOtherNumbers) {
    LoadEffect(ClickSound, Shipped("Click.wav"));
    LoadEffect(TheEndSound, Shipped("Theend.wav"));
    LoadEffect(ErrorSound, Shipped("Error.wav"));
    LoadEffect(IntroSound, Shipped("Intro.wav"));
    for (int Slot : {1, 2, 3, 5})
        EXPECT_TRUE(EffectPlayer(Slot) && EffectPlayer(Slot)->CanPlay()) << Slot;
    EXPECT_EQ(EffectPlayer(TypingSound), nullptr);

    for (int Slot : {TypingSound, 0, 6, -1}) {
        PlayEffect(Slot);
        LoadEffect(Slot == TypingSound ? 0 : Slot, Shipped("Click.wav"));
        FreeEffect(Slot == TypingSound ? 0 : Slot);
    }
    for (int Slot : {1, 2, 3, 5}) {
        EXPECT_FALSE(EffectPlayer(Slot)->Playing()) << Slot;
        EXPECT_EQ(EffectPlayer(Slot)->Starts(), 0) << Slot;
    }
    EXPECT_EQ(EffectPlayer(0), nullptr);
    EXPECT_EQ(EffectPlayer(6), nullptr);
    EXPECT_TRUE(SoundsOn);
}

TEST_F(SoundsTest, AMissingOrBrokenFileLeavesItsSlotSilentWithoutAMessage) {
    WriteFileBytes(Dir / "Broken.wav", "RIFF....WAVEthis is not a sound at all");
    WriteFileBytes(Dir / "Text.wav", "Hello");
    const struct {
        int Slot;
        std::string File;
    } Cases[] = {{1, Dir / "Missing.wav"}, {2, Dir / "Broken.wav"}, {3, Dir / "Text.wav"}};
    for (const auto& C : Cases) {
        LoadEffect(C.Slot, C.File);
        ASSERT_NE(EffectPlayer(C.Slot), nullptr) << C.File;
        EXPECT_FALSE(EffectPlayer(C.Slot)->CanPlay()) << C.File;
        PlayEffect(C.Slot);
        EXPECT_FALSE(EffectPlayer(C.Slot)->Playing()) << C.File;
    }
    // A bad file is not a device error: sound stays on for the others.
    EXPECT_TRUE(SoundsOn);
    EXPECT_TRUE(DialogLog().empty());
    LoadEffect(5, Shipped("Intro.wav"));
    EXPECT_TRUE(EffectPlayer(5)->CanPlay());
}

TEST_F(SoundsTest, FileNamesAreFoundWithoutRegardToLetterCase) {
    WriteFileBytes(Dir / "Click.wav", ReadFileBytes(Shipped("Click.wav")));
    LoadEffect(ClickSound, Dir / "CLICK.WAV");
    ASSERT_NE(EffectPlayer(ClickSound), nullptr);
    EXPECT_TRUE(EffectPlayer(ClickSound)->CanPlay());
}

TEST_F(SoundsTest, PlayingAgainStartsOverAndFreeingEmptiesTheSlot) {
    LoadEffect(IntroSound, Shipped("Intro.wav"));
    const TAlsaPlayer* Intro = EffectPlayer(IntroSound);
    ASSERT_NE(Intro, nullptr);
    for (int Round = 1; Round <= 3; ++Round) {
        PlayEffect(IntroSound);
        EXPECT_TRUE(Eventually([&] { return Intro->Starts() == Round; })) << Round;
    }
    // Loading a slot again replaces its player.
    LoadEffect(IntroSound, Shipped("Click.wav"));
    EXPECT_NE(EffectPlayer(IntroSound), nullptr);
    EXPECT_EQ(EffectPlayer(IntroSound)->Starts(), 0);
    PlayEffect(IntroSound);
    FreeEffect(IntroSound);
    EXPECT_EQ(EffectPlayer(IntroSound), nullptr);
    FreeEffect(IntroSound); // an empty slot: nothing happens
    PlayEffect(IntroSound);
}

TEST(AlsaPlayer, OpensTheDeviceTheEnvironmentNamesAndSurvivesPlayAndCloseInAnyOrder) {
    unsetenv("CLAVORA_ALSA_DEVICE");
    EXPECT_EQ(TAlsaPlayer::DeviceName(), "default");
    setenv("CLAVORA_ALSA_DEVICE", "", 1);
    EXPECT_EQ(TAlsaPlayer::DeviceName(), "default");
    setenv("CLAVORA_ALSA_DEVICE", "null", 1);
    EXPECT_EQ(TAlsaPlayer::DeviceName(), "null");

    TAlsaPlayer Player;
    Player.Play(); // not open: nothing
    Player.Stop();
    EXPECT_FALSE(Player.Playing());
    EXPECT_EQ(Player.Open("/nonexistent.wav"), TAlsaPlayer::orBadFile);
    for (int I = 0; I < 200; ++I) {
        if (I % 50 == 0) {
            ASSERT_EQ(Player.Open(Shipped("Error.wav")), TAlsaPlayer::orOpened);
        }
        Player.Play();
        if (I % 7 == 0) Player.Stop();
        if (I % 50 == 49) Player.Close();
    }
    EXPECT_FALSE(Player.CanPlay());
    EXPECT_FALSE(Player.Playing());
    ASSERT_EQ(Player.Open(Shipped("Click.wav")), TAlsaPlayer::orOpened);
    Player.Play();
    setenv("CLAVORA_ALSA_DEVICE", "hw:CARD=NoSuchCard", 1);
    EXPECT_EQ(Player.Open(Shipped("Click.wav")), TAlsaPlayer::orDeviceError);
    EXPECT_FALSE(Player.CanPlay());
    unsetenv("CLAVORA_ALSA_DEVICE");
}
