// A million-row batch split by GNU parallel gives the output of one velmora-cli.
#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "run_program.h"

namespace velmora {
namespace {

using testing::RunProgram;
using testing::TempFolder;

constexpr int kRows = 1'000'000;

// Births over the whole range, with names that need quoting or hold a TAB, and
// now and then a row that is refused.
void WriteRows(const std::filesystem::path& path) {
    std::mt19937 random(20240409);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    constexpr std::array kZoneHours = {"5", "-5", "+3", "0", "11", "4.5"};
    constexpr std::array kNames = {"Asha", "\"Doe, Jo\"", "Ravi\tK", "\"Say \"\"hi\"\"\""};
    std::ofstream out(path, std::ios::binary);
    out << "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,"
           "longitude_min,longitude_side,latitude_deg,latitude_min,latitude_side\n";
    for (int i = 0; i < kRows; ++i) {
        std::string row = kNames[static_cast<std::size_t>(i % 4)] + std::to_string(i) + ",";
        row += std::to_string(i % 9973 == 0 ? 1800 : pick(1901, 2050)) + "," + std::to_string(pick(1, 12)) +
               "," + std::to_string(pick(1, 28)) + "," + std::to_string(pick(0, 23)) + "," +
               std::to_string(pick(0, 59)) + "," + kZoneHours[static_cast<std::size_t>(pick(0, 5))] + "," +
               (pick(0, 1) == 1 ? "30" : "0") + "," + std::to_string(pick(0, 1)) + "," +
               std::to_string(pick(0, 179)) + "," + std::to_string(pick(0, 59)) +
               (pick(0, 1) == 1 ? ",E," : ",W,") + std::to_string(pick(0, 89)) + "," +
               std::to_string(pick(0, 59)) + (pick(0, 1) == 1 ? ",N\n" : ",S\n");
        out << row;
    }
}

// The offset of the first byte that differs, or -1 when the files are equal.
long long FirstDifference(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    std::string leftBlock(1 << 20, '\0');
    std::string rightBlock(1 << 20, '\0');
    long long offset = 0;
    for (;;) {
        left.read(leftBlock.data(), static_cast<std::streamsize>(leftBlock.size()));
        right.read(rightBlock.data(), static_cast<std::streamsize>(rightBlock.size()));
        const auto leftSize = static_cast<std::size_t>(left.gcount());
        const auto rightSize = static_cast<std::size_t>(right.gcount());
        for (std::size_t i = 0; i < std::min(leftSize, rightSize); ++i) {
            if (leftBlock[i] != rightBlock[i]) {
                return offset + static_cast<long long>(i);
            }
        }
        if (leftSize != rightSize) {
            return offset + static_cast<long long>(std::min(leftSize, rightSize));
        }
        if (leftSize == 0) {
            return -1;
        }
        offset += static_cast<long long>(leftSize);
    }
}

TEST(Parallel, PartsJoinedInOrderAreTheWhole) {
    const TempFolder folder;
    const auto rows = folder.Path() / "rows.csv";
    WriteRows(rows);

    const auto whole = folder.Path() / "whole.csv";
    const auto one = RunProgram(VELMORA_CLI_PROGRAM, {"batch"}, rows, whole);
    EXPECT_EQ(one.exitCode, 1) << "a refused row every 9973";

    const auto joined = folder.Path() / "joined.csv";
    testing::ProgramRun split;
    try {
        split = RunProgram("parallel",
                           {"--pipe", "--block", "1M", "--header", ":", "-k", "-j2", VELMORA_CLI_PROGRAM,
                            "batch", "--jobs", "1", "--part", "{#}"},
                           rows, joined);
    } catch (const std::runtime_error&) {
        FAIL() << "GNU parallel is missing: scripts/setup.sh installs it";
    }
    EXPECT_EQ(FirstDifference(whole, joined), -1);
    // parallel counts the parts that refused a row; each message names its part.
    EXPECT_GT(split.exitCode, 0);
    EXPECT_EQ(std::count(split.err.begin(), split.err.end(), '\n'),
              std::count(one.err.begin(), one.err.end(), '\n'));
    EXPECT_EQ(split.err.find("\nline "), std::string::npos);
    EXPECT_TRUE(split.err.starts_with("part 1, line 2: year: ")) << split.err.substr(0, 200);
}

} // namespace
} // namespace velmora
