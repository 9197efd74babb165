// Saving over what a user's folder may already hold.
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "cli/atomic_file.h"
#include "run_program.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;

fs::perms Permissions(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

TEST(AtomicFile, LinksAreFollowedAndPermissionsKept) {
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

        ASSERT_EQ(WriteFileAtomically(link.string(), "new"), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadFile(real), "new");
        EXPECT_EQ(Permissions(real), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "kept"), {}), 1);
    }
}

TEST(AtomicFile, DanglingLinkCreatesItsTarget) {
    const TempFolder folder;
    fs::create_symlink("made.tam", folder.Path() / "asha.tam");
    ASSERT_EQ(WriteFileAtomically((folder.Path() / "asha.tam").string(), "new"), std::nullopt);
    EXPECT_EQ(ReadFile(folder.Path() / "made.tam"), "new");
}

TEST(AtomicFile, TemporariesOfKilledSavesAreRemovedOthersKept) {
    const TempFolder folder;
    const fs::path abandoned = folder.Write(".asha.tam.Ab12Cd", "half");
    const fs::path otherName = folder.Write(".other.tam.Ab12Cd", "half");
    const fs::path busy = folder.Write(".asha.tam.Zz99Yy", "half");
    const int holder = ::open(busy.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0); // a save still writing

    ASSERT_EQ(WriteFileAtomically((folder.Path() / "asha.tam").string(), "new"), std::nullopt);
    ::close(holder);
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(otherName));
    EXPECT_TRUE(fs::exists(busy));
}

TEST(AtomicFile, PipeInTheWayIsRefusedAndKept) {
    const TempFolder folder;
    const fs::path pipe = folder.Path() / "asha.tam";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(WriteFileAtomically(pipe.string(), "new"),
              "cannot save " + pipe.string() + ": not a regular file");
    EXPECT_TRUE(fs::is_fifo(pipe));
}

} // namespace
} // namespace velmora
