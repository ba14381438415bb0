// The sound effects: five numbered slots, each empty or holding one player
// for one wave file, and the switch that silences them all.
//
//   slot 1 "Click.wav"   a button or navigation picture is clicked
//   slot 2 "Theend.wav"  a timed event runs out of time
//   slot 3 "Error.wav"   a typing error
//   slot 4 (nothing)     asked for by the text event and the games: silent
//   slot 5 "Intro.wav"   the theme at start-up, freed after login
//
// Start-up loads the slots it needs and shutdown frees them all. Everything
// here runs on the user-interface thread; each player feeds the sound device
// from its own thread, so playing never waits.
#pragma once

#include <string>

class TAlsaPlayer;

constexpr int SoundSlotCount = 5;
constexpr int ClickSound = 1;
constexpr int TheEndSound = 2;
constexpr int ErrorSound = 3;
constexpr int TypingSound = 4;
constexpr int IntroSound = 5;

// On when the program starts. Switched off for the rest of the run when the
// sound device cannot be opened, and by start-up when the learner's settings
// say so. While it is off, loading and playing do nothing.
extern bool SoundsOn;

// When the switch is on: puts a player in the slot (freeing the one that was
// there) and opens the file in it if it exists. A missing file or one that is
// not a playable wave file leaves the player unopened, and the slot silent. A
// device that cannot be opened switches all sound off. Says nothing either
// way. The file name goes through the file name resolver.
void LoadEffect(int Slot, const std::string& FileName);

// When the switch is on and the slot holds an opened player: starts its
// sound from the beginning and returns at once.
void PlayEffect(int Slot);

// Empties the slot, then stops and destroys its player.
void FreeEffect(int Slot);

// Frees every slot (shutdown).
void FreeAllEffects();

// The slot's player, or null for an empty slot (tests).
const TAlsaPlayer* EffectPlayer(int Slot);
