// Runs the whole program inside a test, in a temporary program directory
// that holds the built program's pictures.
#pragma once

#include "tests/support/TDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the program with the driver's steps; returns its exit status.
    int RunProgram(TDriver& Driver);

    std::unique_ptr<TScopedTempDir> FDir;
};
