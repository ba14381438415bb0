// The login page: the closed book's cover with the name field (the known
// learners in its list, the last learner filled in), OK and Visitor. After
// Run, UserName is the name to log in with: the entered name trimmed and
// capitalised, or "Visitor" for the Visitor button or an empty name.
#pragma once

#include "shell/TFormView.h"

#include <string>

class TCoverView : public TFormView {
public:
    TCoverView();
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void ButtonClick(QObject* Sender);

    // The name as the cover makes it from what was typed: control characters
    // dropped, blanks around it removed, capitalised; "Visitor" when nothing
    // is left.
    static std::string NameFromField(const std::string& Text);

    std::string UserName;
};
