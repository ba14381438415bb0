// The welcome page, one wide page: the banner, the introduction's card and
// the course's card. Result 1 Begin Studying (Alt+B), 2 Introduction (Alt+I),
// 0 closed from outside.
#pragma once

#include "shell/TFormView.h"

class TWelcomeView : public TFormView {
public:
    TWelcomeView();
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void ButtonClick(QObject* Sender);
};
