#include "files/Sounds.h"

#include "platform/AlsaPlayer.h"
#include "platform/FileNames.h"

#include <memory>

bool SoundsOn = true;

namespace {

std::unique_ptr<TAlsaPlayer> Slots[SoundSlotCount];

bool ValidSlot(int Slot) {
    return Slot >= 1 && Slot <= SoundSlotCount;
}

} // namespace

void LoadEffect(int Slot, const std::string& FileName) {
    if (!SoundsOn || !ValidSlot(Slot)) return;
    FreeEffect(Slot);
    auto Player = std::make_unique<TAlsaPlayer>();
    const std::string Path = ResolveFileName(FileName);
    if (FileExists(Path) && Player->Open(Path) == TAlsaPlayer::orDeviceError) SoundsOn = false;
    Slots[Slot - 1] = std::move(Player);
}

void PlayEffect(int Slot) {
    if (!SoundsOn || !ValidSlot(Slot)) return;
    TAlsaPlayer* Player = Slots[Slot - 1].get();
    if (Player && Player->CanPlay()) Player->Play();
}

void FreeEffect(int Slot) {
    if (!ValidSlot(Slot)) return;
    std::unique_ptr<TAlsaPlayer> Player = std::move(Slots[Slot - 1]);
    Player.reset();
}

void FreeAllEffects() {
    for (int Slot = 1; Slot <= SoundSlotCount; ++Slot)
        FreeEffect(Slot);
}

const TAlsaPlayer* EffectPlayer(int Slot) {
    return ValidSlot(Slot) ? Slots[Slot - 1].get() : nullptr;
}
