// Runs the whole program inside a test, in a temporary program directory
// that holds the built program's pictures.
#pragma once

#include "tests/support/TDriver.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the program with the driver's steps and the command line's
    // arguments; returns its exit status. Without arguments, unless LogInAs
    // is empty, the driver first logs that learner in on the cover (as a new
    // learner, answering Yes) and the learner's steps follow once guided
    // studying runs.
    int RunProgram(TDriver& Driver, std::vector<std::string> Arguments = {});
    // A path in the shipped layer (the program's material) and in the
    // learner's own layer, where everything the program writes goes.
    std::string Shipped(const std::string& Name) const;
    std::string Mine(const std::string& Name) const;

    std::string LogInAs = "Tester";

    // Puts back every seam, also those the program installs, after TearDown.
    TSeamGuard Seams;
    std::unique_ptr<TScopedTempDir> FDir;
};
