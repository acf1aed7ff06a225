#include "support/temp_work_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace velmo::test {

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path())
{
    // create_directory fails on a name that exists, so the directory is ours
    // alone, as with mkdtemp (which Windows lacks).
    std::random_device seed;
    std::mt19937 names(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const auto candidate = base / ("velmo-test-" + std::to_string(names()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec))
            path_ = candidate;
    }
    if (path_.empty())
        throw std::runtime_error("cannot create a temporary directory");
    std::filesystem::current_path(path_);
}

TempWorkDir::~TempWorkDir()
{
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempWorkDir::OtherEntries(const std::filesystem::path& kept) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        if (entry.path().filename() != kept)
            names.push_back(entry.path().filename().string());
    return names;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

} // namespace velmo::test
