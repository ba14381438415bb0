// The page of a tab whose part of the book is not written yet: the tab's name
// on the left page and how to go on on the right. It behaves like the other
// pages of the book: Escape returns to guided studying, tab clicks close it.
#pragma once

#include "shell/TController.h"
#include "shell/TFormView.h"

#include <string>

class TPlaceholderView : public TFormView {
public:
    explicit TPlaceholderView(std::string TabName);
    ~TPlaceholderView() override;
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;

    const std::string& TabName() const { return FTabName; }

private:
    std::string FTabName;
};

class TPlaceholderController : public TController {
public:
    explicit TPlaceholderController(std::string TabName);
    ~TPlaceholderController() override;
    void Run() override;
    TPlaceholderView* View() const { return FView; }

private:
    TPlaceholderView* FView;
};
