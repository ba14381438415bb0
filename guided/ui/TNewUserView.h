// The new-user question on the book's cover: "Joe, are you a new user?" with
// Yes (Enter) and Cancel (Escape).
#pragma once

#include "shell/TFormView.h"

#include <string>

class TNewUserView : public TFormView {
public:
    TNewUserView();
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void ButtonClick(QObject* Sender);

    // The name asked about; set before Run.
    std::string UserName;
};
