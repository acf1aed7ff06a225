// The outcomes the trainers rely on, asked of the real file system, of the
// one in memory and of the browser's store (over a storage in memory) alike,
// so that the fuzzers and the soak test, which run on the one in memory, and
// the page judge the program against the same contract.  Only what those
// runs cannot see is here: failed writes, a failed read-back, what stands
// under a name (a directory, a read-only file, a link), and another
// program's work in the middle of this one's.
#include "common/file_system.h"
#include "common/in_memory_file_system.h"
#include "common/memory_file_store.h"
#include "support/fake_web_storage.h"
#include "support/faulty_file_system.h"
#include "support/temp_work_dir.h"
#include "system/web/web_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

// How long another program's lock or scratch file is waited for here.
constexpr std::chrono::milliseconds kShortWait{100};

// Files in a fresh working directory, arranged and read through std::filesystem.
struct OnDisk {
    ~OnDisk()
    {
        for (const auto& entry : fs::directory_iterator(dir.path())) // writable again, so that the folder can go
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add | fs::perm_options::nofollow);
    }
    void Put(const std::string& name, const std::string& content) { WriteFile(name, content); }
    void MakeDirectory(const std::string& name) { fs::create_directory(name); }
    // Through the permission bits, which Windows turns into the read-only attribute.
    void MakeReadOnly(const std::string& name)
    {
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    std::optional<std::string> Content(const std::string& name) const
    {
        return fs::is_regular_file(fs::symlink_status(name)) ? std::optional(ReadFile(name)) : std::nullopt;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempWorkDir dir;
    FaultyFileSystem files{kShortWait};
};

struct InMemory {
    void Put(const std::string& name, const std::string& content) { files.SetContent(name, content); }
    void MakeDirectory(const std::string& name) { files.MakeDirectory(name); }
    void MakeReadOnly(const std::string& name) { files.MakeReadOnly(name); }
    std::optional<std::string> Content(const std::string& name) const { return files.Content(name); }
    std::vector<std::string> Names() const { return files.Names(); }

    FaultyInMemoryFileSystem files{kShortWait};
};

// The web edition's store: the names a highscore file goes under kept in the
// site's storage (here in memory), the others in the store's memory.
struct InWebStore {
    std::optional<std::string> Content(const std::string& name) const
    {
        if (storage.texts.contains(name))
            return storage.texts.at(name);
        const auto node = Memory().Find(name);
        return node && node->kind == InMemoryFileSystem::Kind::File ? std::optional(node->content) : std::nullopt;
    }
    void Put(const std::string& name, const std::string& content)
    {
        if (files.web().Kept(name))
            storage.texts[name] = content;
        else
            Place(name)->content = content;
    }
    void MakeDirectory(const std::string& name) { Place(name)->kind = InMemoryFileSystem::Kind::Directory; }
    void MakeReadOnly(const std::string& name) { Memory().Find(name)->readOnly = true; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& [name, text] : storage.texts)
            names.push_back(name);
        for (const auto& [name, node] : Memory().entries)
            names.push_back(name);
        std::sort(names.begin(), names.end());
        return names;
    }

    MemoryFileStore& Memory() const { return files.web().memory(); }
    std::shared_ptr<MemoryFileStore::Node> Place(const std::string& name)
    {
        auto node = std::make_shared<MemoryFileStore::Node>();
        Memory().entries.insert_or_assign(name, node);
        return node;
    }

    FakeWebStorage storage;
    mutable Faulty<WebFileSystem> files{storage, std::vector<std::string>{"old", "new", "made", "file", "gone", "list"},
                                        kShortWait};
};

template <class Place> class FileSystemContract : public ::testing::Test {
protected:
    Place place;
};

class PlaceNames {
public:
    template <class Place> static std::string GetName(int)
    {
        return std::is_same_v<Place, OnDisk> ? "OnDisk" : std::is_same_v<Place, InMemory> ? "InMemory" : "InWebStore";
    }
};

using Places = ::testing::Types<OnDisk, InMemory, InWebStore>;
TYPED_TEST_SUITE(FileSystemContract, Places, PlaceNames);

FileSystem::Change ReplaceWith(const std::string& content)
{
    return [content](std::istream&) { return std::optional(content); };
}

TYPED_TEST(FileSystemContract, AFailedWriteLeavesEveryNameAsItWas)
{
    auto& place = this->place;
    place.Put("old", "1 2 3 ");
    place.files.FailWritesAfter(3);
    EXPECT_FALSE(place.files.Rewrite("old", "4 5 6 "));
    EXPECT_EQ(place.files.Update("old", ReplaceWith("7 8 9 ")), UpdateOutcome::WriteFailed);
    EXPECT_FALSE(place.files.Rewrite("new", "4 5 6 "));
    EXPECT_FALSE(place.files.CreateExclusively("new", "0 "));
    EXPECT_EQ(place.files.RoundTripScratch("scratch", "12.5").status, ScratchRoundTrip::Status::NotWritten);
    EXPECT_EQ(place.Content("old"), "1 2 3 ");
    EXPECT_EQ(place.Names(), std::vector<std::string>{"old"});

    place.files.Heal();
    EXPECT_TRUE(place.files.Rewrite("new", "4 5 6 "));
    EXPECT_EQ(place.Content("new"), "4 5 6 ");
}

TYPED_TEST(FileSystemContract, AScratchFileThatCannotBeReadBackStays)
{
    auto& place = this->place;
    place.files.FailReadBack();
    const ScratchRoundTrip trip = place.files.RoundTripScratch("scratch", "12.5");
    EXPECT_EQ(trip.status, ScratchRoundTrip::Status::NotReadBack);
    EXPECT_EQ(place.Content("scratch"), "12.5");

    place.files.Heal();
    const ScratchRoundTrip again = place.files.RoundTripScratch("scratch", "7");
    EXPECT_EQ(again.status, ScratchRoundTrip::Status::Done);
    EXPECT_EQ(again.readBack, "7");
    EXPECT_TRUE(place.Names().empty());
}

TYPED_TEST(FileSystemContract, ADirectoryInAFilesPlaceIsNeverReadNorReplaced)
{
    auto& place = this->place;
    place.MakeDirectory("taken");
    EXPECT_EQ(place.files.OpenForReading("taken"), nullptr);
    EXPECT_EQ(place.files.RoundTripScratch("taken", "1").status, ScratchRoundTrip::Status::NotWritten);
    EXPECT_FALSE(place.files.CreateExclusively("taken", "1"));
    EXPECT_FALSE(place.files.Rewrite("taken", "1"));
    EXPECT_EQ(place.files.Update("taken", ReplaceWith("1")), UpdateOutcome::Unreadable);
    EXPECT_EQ(place.Content("taken"), std::nullopt);
    EXPECT_EQ(place.Names(), std::vector<std::string>{"taken"});
}

TYPED_TEST(FileSystemContract, OnlyRewriteAndCreateExclusivelyMakeAMissingFile)
{
    auto& place = this->place;
    EXPECT_EQ(place.files.OpenForReading("gone"), nullptr);
    EXPECT_EQ(place.files.Update("gone", ReplaceWith("1")), UpdateOutcome::Unreadable);
    EXPECT_TRUE(place.Names().empty());

    EXPECT_TRUE(place.files.CreateExclusively("made", "0 0 "));
    EXPECT_FALSE(place.files.CreateExclusively("made", "9 9 "));
    EXPECT_EQ(place.Content("made"), "0 0 ");
}

TYPED_TEST(FileSystemContract, UpdateShowsTheContentAndWritesOnlyWhatTheChangeAsks)
{
    auto& place = this->place;
    place.Put("file", "1 2 ");
    std::string seen;
    const auto look = [&seen](std::istream& in) {
        seen.assign(std::istreambuf_iterator<char>(in), {});
        return std::optional<std::string>();
    };
    EXPECT_EQ(place.files.Update("file", look), UpdateOutcome::Unchanged);
    EXPECT_EQ(seen, "1 2 ");
    EXPECT_EQ(place.files.Update("file", ReplaceWith("3 4 ")), UpdateOutcome::Written);
    EXPECT_EQ(place.Content("file"), "3 4 ");
    auto in = place.files.OpenForReading("file");
    ASSERT_NE(in, nullptr);
    std::ostringstream read;
    read << in->rdbuf();
    EXPECT_EQ(read.str(), "3 4 ");
}

TYPED_TEST(FileSystemContract, AReadOnlyFileIsNeverWrittenNorRemoved)
{
    auto& place = this->place;
    place.Put("marked", "1 2 ");
    place.Put("scratch", "left");
    place.MakeReadOnly("marked");
    place.MakeReadOnly("scratch");
    EXPECT_EQ(place.files.Update("marked", ReplaceWith("3 4 ")), UpdateOutcome::WriteFailed);
    EXPECT_FALSE(place.files.Rewrite("marked", "3 4 "));
    EXPECT_EQ(place.files.RoundTripScratch("scratch", "7").status, ScratchRoundTrip::Status::NotWritten);
    EXPECT_EQ(place.Content("marked"), "1 2 ");
    EXPECT_EQ(place.Content("scratch"), "left");
    EXPECT_EQ(place.Names(), (std::vector<std::string>{"marked", "scratch"}));
}

TYPED_TEST(FileSystemContract, AnotherConversionsScratchFileIsWaitedForNotRemoved)
{
    auto& place = this->place;
    std::optional<ScratchRoundTrip::Status> inner;
    const auto started = std::chrono::steady_clock::now();
    place.files.DuringNextWrite([&] { inner = place.files.RoundTripScratch("scratch", "2").status; });
    const ScratchRoundTrip outer = place.files.RoundTripScratch("scratch", "1");
    EXPECT_EQ(outer.status, ScratchRoundTrip::Status::Done);
    EXPECT_EQ(outer.readBack, "1");
    EXPECT_EQ(inner, ScratchRoundTrip::Status::NotWritten) << "held past the wait, so not removed";
    EXPECT_GE(std::chrono::steady_clock::now() - started, kShortWait) << "not waited for";
    EXPECT_TRUE(place.Names().empty());
}

TYPED_TEST(FileSystemContract, ANewFileAppearsWholeAndOnlyWhereNoneStands)
{
    auto& place = this->place;
    bool innerMade = false;
    place.files.DuringNextWrite([&] {
        EXPECT_EQ(place.files.OpenForReading("list"), nullptr) << "a half-made file was seen";
        innerMade = place.files.CreateExclusively("list", "2 ");
    });
    EXPECT_FALSE(place.files.CreateExclusively("list", "1 "));
    EXPECT_TRUE(innerMade);
    EXPECT_EQ(place.Content("list"), "2 ");
    EXPECT_EQ(place.Names(), std::vector<std::string>{"list"});
}

// What only a disk has: names that lead to other files.
class FileSystemOnDisk : public ::testing::Test {
protected:
    TempWorkDir dir;
    RealFileSystem files;
};

TEST_F(FileSystemOnDisk, AFileWithTwoNamesIsRewrittenForBoth)
{
    WriteFile("list", "1 2 ");
    fs::create_hard_link("list", "other");
    EXPECT_EQ(files.Update("list", ReplaceWith("3 4 ")), UpdateOutcome::Written);
    EXPECT_EQ(ReadFile("other"), "3 4 ");
    EXPECT_TRUE(files.Rewrite("other", "5 6 "));
    EXPECT_EQ(ReadFile("list"), "5 6 ");
}

TEST_F(FileSystemOnDisk, LinksLeadToTheirFileAndAreNeverRemoved)
{
    std::error_code made;
    fs::create_symlink("elsewhere.txt", "list", made);
    if (made)
        GTEST_SKIP() << "no symbolic links here";
    EXPECT_TRUE(files.CreateExclusively("list", "0 0 ")) << "a dangling link names the file to create";
    EXPECT_TRUE(files.Rewrite("list", "1 2 "));
    EXPECT_TRUE(fs::is_symlink("list"));
    EXPECT_EQ(ReadFile("elsewhere.txt"), "1 2 ");

    fs::create_symlink("elsewhere.txt", "scratch");
    EXPECT_EQ(files.RoundTripScratch("scratch", "7").status, ScratchRoundTrip::Status::NotWritten);
    EXPECT_TRUE(fs::is_symlink("scratch"));
    EXPECT_EQ(ReadFile("elsewhere.txt"), "1 2 ");
}

} // namespace
} // namespace velmo::test
