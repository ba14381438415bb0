// The course-completed page, one wide page: the medal, and the card that
// starts studying again. Result 1 Restart Studying (Alt+R), 2 back one
// chapter (the console's skip-back button, Alt+K), 0 closed from outside.
#pragma once

#include "shell/TFormView.h"

class TGoodbyeView : public TFormView {
public:
    TGoodbyeView();
    ~TGoodbyeView() override;
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void ButtonClick(QObject* Sender);
};
