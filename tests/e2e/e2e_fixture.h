#pragma once
// The fixture of the end-to-end tests: a private copy of the installed
// folder and the program started from it, stopped again after each test
// whatever the test's outcome.

#include "driver.h"

#include <gtest/gtest.h>

#include <list>

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.copied()) << "cannot copy the installed folder"; }

    void TearDown() override
    {
        for (e2e::Program& program : programs)
            program.Stop();
    }

    // Starts the program from the private folder; null when it did not start.
    e2e::Program* StartProgram(const e2e::Program::Options& options = {})
    {
        e2e::Program& program = programs.emplace_back();
        if (!program.Start(folder.Executable(), options)) {
            ADD_FAILURE() << "cannot start " << testing::PrintToString(folder.Executable());
            return nullptr;
        }
        return &program;
    }

    e2e::ProgramFolder folder{RV417_BIN_DIR_W L"\\"};
    std::list<e2e::Program> programs;
};
