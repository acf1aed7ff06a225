// Each test runs in a fresh temporary working directory, since the program
// writes "Highscores.txt" and "studs1.txt" into its working directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmo::test {

class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // The names of every entry in the directory but `kept`.
    std::vector<std::string> OtherEntries(const std::filesystem::path& kept) const;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole-file helpers for arranging and checking the working directory.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);

} // namespace velmo::test
