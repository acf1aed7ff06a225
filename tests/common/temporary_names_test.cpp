// The names of a rewrite's temporaries: made and recognised by one rule.
#include "common/temporary_names.h"

#include <gtest/gtest.h>

#include <cctype>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

TEST(TemporaryNames, FreshNameIsBesideTheTargetWithSixLettersOrDigits)
{
    const fs::path target = fs::path("scores") / "Highscores.txt";
    const fs::path fresh = FreshTemporaryPath(target);
    EXPECT_EQ(fresh.parent_path(), target.parent_path());
    const std::string name = fresh.filename().string();
    const std::string prefix = ".Highscores.txt.tmp-velmo-";
    ASSERT_EQ(name.size(), prefix.size() + 6) << name;
    EXPECT_EQ(name.substr(0, prefix.size()), prefix);
    for (char c : name.substr(prefix.size()))
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << name;
    EXPECT_TRUE(IsTemporaryName(fresh.filename(), target));
    EXPECT_NE(FreshTemporaryPath(target), fresh);
}

TEST(TemporaryNames, OnlyTheTargetsOwnTemporariesAreRecognised)
{
    const fs::path target = "Highscores.txt";
    EXPECT_TRUE(IsTemporaryName(".Highscores.txt.tmp-velmo-AbC123", target));
    EXPECT_FALSE(IsTemporaryName(".Highscores.txt.tmp-velmo-AbC12", target));
    EXPECT_FALSE(IsTemporaryName(".Highscores.txt.tmp-velmo-AbC1234", target));
    EXPECT_FALSE(IsTemporaryName(".Highscores.txt.tmp-velmo-AbC-12", target));
    EXPECT_FALSE(IsTemporaryName("Highscores.txt.tmp-velmo-AbC123", target));
    EXPECT_FALSE(IsTemporaryName(".studs1.txt.tmp-velmo-AbC123", target));
}

} // namespace
} // namespace velmo::test
