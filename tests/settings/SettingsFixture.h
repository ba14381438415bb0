// The fixture of the settings and setup tests: a temporary program
// directory and settings folder, and dialogs answered without windows (the
// desktop entry question with IconAnswer, every other one with OK).
#pragma once

#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearDialogLog();
        SetDialogResponder(
            [this](const TDialogRequest& R) { return R.Buttons & mbYes ? IconAnswer : int(mrOk); });
    }
    std::string IniPath() const { return Dir / "config/Veltrona/Clavora.ini"; }
    void WriteIni(const std::string& Text) {
        mkdir((Dir / "config/Veltrona").c_str(), 0755);
        WriteFileBytes(IniPath(), Text);
    }
    std::vector<std::string> DialogTexts() const {
        std::vector<std::string> Texts;
        for (const auto& R : DialogLog())
            Texts.push_back(R.Text);
        return Texts;
    }

    TSeamGuard Seams;
    TScopedTempDir Dir;
    int IconAnswer = mrNo;
};

// A setup file with a line too short to use, a blank line, and no line end at the
// end.
inline const char* const Seed =
    "$version=1.0\r\n$end\r\n"
    "Keyboard Layouts\\English=qwerty.kbd;US\r\n"
    "\r\n"
    "Keyboard Layouts\\Swedish=nordic.kbd\r\n"
    "General Settings\\NotEnoughFields\r\n"
    "Keyboard Layouts\\German=qwertz.kbd"; // no line end on the last line
