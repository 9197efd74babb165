// Saving over what a user's folder may already hold, and saves cut short or run at once.
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <set>
#include <vector>

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/replace_file.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;

fs::perms Permissions(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

TEST(ReplaceFile, LinksAreFollowedAndPermissionsKept) {
    struct Case {
        const char* name;
        const char* link;   // relative to the folder
        const char* target; // what the link holds
    };
    const Case cases[] = {
        {"relative link", "asha.tam", "kept/asha.tam"},
        {"absolute link", "asha.tam", ""}, // filled with the absolute path below
        {"link to a link", "asha.tam", "second.tam"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder folder;
        fs::create_directory(folder.Path() / "kept");
        const fs::path real = folder.Write("kept/asha.tam", "old");
        fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
        const fs::path link = folder.Path() / c.link;
        if (std::string_view(c.target) == "second.tam") {
            fs::create_symlink("kept/asha.tam", folder.Path() / "second.tam");
            fs::create_symlink("second.tam", link);
        } else {
            fs::create_symlink(*c.target != '\0' ? fs::path(c.target) : real, link);
        }

        ASSERT_EQ(ReplaceFile(link.string(), "new"), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadFile(real), "new");
        EXPECT_EQ(Permissions(real), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "kept"), {}), 1);
    }
}

TEST(ReplaceFile, DanglingLinkCreatesItsTarget) {
    const TempFolder folder;
    fs::create_symlink("made.tam", folder.Path() / "asha.tam");
    ASSERT_EQ(ReplaceFile((folder.Path() / "asha.tam").string(), "new"), std::nullopt);
    EXPECT_EQ(ReadFile(folder.Path() / "made.tam"), "new");
}

std::set<fs::path> Entries(const fs::path& folder) {
    return {fs::directory_iterator(folder), fs::directory_iterator()};
}

// A save of `target` dies while writing, in a child whose file size limit stops it
// by SIGXFSZ in the middle of its bytes; what it left beside the user's files.
std::vector<fs::path> LeftByKilledSave(const fs::path& target) {
    const std::set<fs::path> before = Entries(target.parent_path());
    const pid_t child = ::fork();
    if (child == 0) {
        ::prctl(PR_SET_DUMPABLE, 0); // no core file
        const rlimit limit{.rlim_cur = 1024, .rlim_max = 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ReplaceFile(target.string(), std::string(4096, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    std::vector<fs::path> left;
    std::ranges::set_difference(Entries(target.parent_path()), before, std::back_inserter(left));
    return left;
}

// A save that dies keeps the older file whole and leaves nothing beside it; the
// user's files of like names are untouched by that save and the next.
TEST(ReplaceFile, KilledSaveLeavesNothing) {
    const TempFolder folder;
    const fs::path target = folder.Write("asha.tam", "older");
    const std::vector<fs::path> users = {folder.Write(".asha.tam.backup", "precious"),
                                         folder.Write(".asha.tam~velmora-save-1a2b", "precious"),
                                         folder.Write(".velmora-save-abcd1234", "precious")};
    EXPECT_EQ(LeftByKilledSave(target), std::vector<fs::path>{});
    EXPECT_EQ(ReadFile(target), "older");
    ASSERT_EQ(ReplaceFile(target.string(), "new"), std::nullopt);
    EXPECT_EQ(ReadFile(target), "new");
    for (const fs::path& user : users) {
        EXPECT_EQ(ReadFile(user), "precious") << user;
    }
}

// A file name as long as a folder allows (255 bytes) is saved, and a dead save of
// it leaves nothing, whether the name's end is plain or a run of three-byte letters.
TEST(ReplaceFile, LongestNamesSave) {
    std::string tamil;
    while (tamil.size() + 3 <= 251) {
        tamil += "அ";
    }
    for (const std::string& name : {std::string(251, 'n') + ".tam", tamil + ".tam", "ab" + tamil + ".tam"}) {
        SCOPED_TRACE(name.size());
        const TempFolder folder;
        const fs::path target = folder.Path() / name;
        ASSERT_EQ(ReplaceFile(target.string(), "first"), std::nullopt);
        EXPECT_EQ(LeftByKilledSave(target), std::vector<fs::path>{});
        ASSERT_EQ(ReplaceFile(target.string(), "second"), std::nullopt);
        EXPECT_EQ(ReadFile(target), "second");
        EXPECT_EQ(Entries(folder.Path()), std::set<fs::path>{target});
    }
}

// Saves of one file that run at once all succeed, and the file is one of them whole.
TEST(ReplaceFile, RacingSavesAllSucceed) {
    constexpr int kRounds = 50;
    constexpr int kSavesAtOnce = 4;
    const TempFolder folder;
    const fs::path path = folder.Path() / "race.tam";
    const std::string contents[kSavesAtOnce] = {std::string(3000, 'a'), std::string(5000, 'b'),
                                                std::string(7000, 'c'), std::string(9000, 'd')};
    int failedSaves = 0;
    for (int round = 0; round < kRounds; ++round) {
        pid_t children[kSavesAtOnce];
        for (int i = 0; i < kSavesAtOnce; ++i) {
            children[i] = ::fork();
            ASSERT_GE(children[i], 0);
            if (children[i] == 0) {
                ::_exit(ReplaceFile(path.string(), contents[i]) ? 1 : 0);
            }
        }
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            failedSaves += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
        }
        const std::string saved = ReadFile(path);
        EXPECT_TRUE(std::find(std::begin(contents), std::end(contents), saved) != std::end(contents))
            << "round " << round << ": " << saved.size() << " bytes";
    }
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1) << "no temporary file is left";
}

} // namespace
} // namespace velmora
