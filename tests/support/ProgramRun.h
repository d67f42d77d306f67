#pragma once

// Running the project's programs as a user would, in a scratch folder per test.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

struct RunResult {
    int status;  // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

std::string readFile(const std::filesystem::path& path);

// Runs a shell command line in `directory` and collects its exit status and both streams.
RunResult run(const std::string& commandLine, const std::filesystem::path& directory);

// A fresh folder for each test, holding an images/ folder; removed afterwards.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the shipped floor image into the folder, as the programs read it from there.
    void copyFloorImage();

    std::filesystem::path directory;
};
