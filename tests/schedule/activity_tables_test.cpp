#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "schedule/activity_tables.h"
#include "schedule/sub_periods.h"

namespace velmora {
namespace {

using std::chrono::weekday;
using Cells = std::vector<std::string>;

constexpr std::array<std::string_view, 5> kBirdNames = {"Vulture", "Owl", "Crow", "Cock", "Peacock"};
constexpr std::array<std::string_view, 5> kActivityNames = {"Ruling", "Eating", "Walking", "Sleeping",
                                                            "Dying"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};
constexpr std::array kFortnights = {Fortnight::Bright, Fortnight::Dark};
constexpr std::array kHalves = {DayHalf::Day, DayHalf::Night};

std::string_view NameOf(Bird bird) {
    return kBirdNames[IndexOf(bird)];
}
std::string_view NameOf(Activity activity) {
    return kActivityNames[IndexOf(activity)];
}
std::string FortnightWord(Fortnight fortnight) {
    return fortnight == Fortnight::Bright ? "bright" : "dark";
}
std::string PartWord(DayHalf half) {
    return half == DayHalf::Day ? "day" : "night";
}
Activity ActivityNamed(std::string_view name) {
    return static_cast<Activity>(std::find(kActivityNames.begin(), kActivityNames.end(), name) -
                                 kActivityNames.begin());
}
Bird BirdAt(std::size_t i) {
    return static_cast<Bird>(i);
}

// The rows of a reference table below its header; the files hold no quoted fields.
std::vector<Cells> ReadTable(const std::string& file) {
    std::ifstream in(std::string(VELMORA_TEST_DATA_DIR) + "/panch-pakshi/" + file);
    EXPECT_TRUE(in) << file;
    std::vector<Cells> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        Cells cells;
        std::stringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

// Calls f(fortnight, half, weekday) for each of the 28 halves of the week.
template <typename F> void ForEachHalf(F f) {
    for (const Fortnight fortnight : kFortnights) {
        for (const DayHalf half : kHalves) {
            for (unsigned day = 0; day < 7; ++day) {
                f(fortnight, half, weekday{day});
            }
        }
    }
}

TEST(ActivityTables, EqualTheReferenceTables) {
    const auto main = ReadTable("main_activities.csv");
    ASSERT_EQ(main.size(), 140u);
    for (const Cells& row : main) {
        const Fortnight fortnight = row[0] == "bright" ? Fortnight::Bright : Fortnight::Dark;
        const DayHalf half = row[1] == "day" ? DayHalf::Day : DayHalf::Night;
        const auto day =
            std::find(kWeekdayNames.begin(), kWeekdayNames.end(), row[2]) - kWeekdayNames.begin();
        const auto bird = std::find(kBirdNames.begin(), kBirdNames.end(), row[3]) - kBirdNames.begin();
        for (int yama = 1; yama <= kYamasPerHalf; ++yama) {
            EXPECT_EQ(NameOf(MainActivityOf(BirdAt(static_cast<std::size_t>(bird)), fortnight, half,
                                            weekday{static_cast<unsigned>(day)}, yama)),
                      row[static_cast<std::size_t>(3 + yama)])
                << row[0] << ' ' << row[1] << ' ' << row[2] << ' ' << row[3] << " period " << yama;
        }
    }
    const auto lengths = ReadTable("sub_durations.csv");
    ASSERT_EQ(lengths.size(), 20u);
    for (const Cells& row : lengths) {
        const Fortnight fortnight = row[0] == "bright" ? Fortnight::Bright : Fortnight::Dark;
        const DayHalf half = row[1] == "day" ? DayHalf::Day : DayHalf::Night;
        EXPECT_EQ(SubPeriodMinutes(fortnight, half, ActivityNamed(row[2])), std::stoi(row[3]))
            << row[0] << ' ' << row[1] << ' ' << row[2];
    }
}

// Every sub-period of every period, as the reference spells them out: keyed by the half, the
// person's bird and its main activity, in order of the sub-period's number.
TEST(ActivityTables, SubPeriodsFollowTheRuleOfEveryReferenceRow) {
    using Key = std::tuple<std::string, std::string, std::string, std::string>;
    std::map<Key, std::vector<Cells>> expected;
    for (const Cells& row : ReadTable("sub_periods.csv")) {
        expected[{row[0], row[1], row[2], row[3]}].push_back(row);
    }
    ASSERT_EQ(expected.size(), 100u);
    std::set<Key> seen;
    ForEachHalf([&](Fortnight fortnight, DayHalf half, weekday day) {
        for (int yama = 1; yama <= kYamasPerHalf; ++yama) {
            for (std::size_t b = 0; b < kBirdCount; ++b) {
                const Bird person = BirdAt(b);
                const Key key{FortnightWord(fortnight), PartWord(half), std::string(NameOf(person)),
                              std::string(NameOf(MainActivityOf(person, fortnight, half, day, yama)))};
                seen.insert(key);
                const auto& rows = expected[key];
                ASSERT_EQ(rows.size(), 5u);
                const auto shares = SubPeriodsOf(person, fortnight, half, day, yama);
                for (std::size_t sub = 0; sub < shares.size(); ++sub) {
                    const Cells& want = rows[sub];
                    const std::string where = want[0] + ' ' + want[1] + ' ' + want[2] + ' ' + want[3] +
                                              " sub " + want[4] + " on weekday " +
                                              std::to_string(day.c_encoding());
                    EXPECT_EQ(want[4], std::to_string(sub + 1)) << where;
                    EXPECT_EQ(NameOf(shares[sub].activity), want[5]) << where;
                    EXPECT_EQ(NameOf(shares[sub].bird), want[6]) << where;
                    EXPECT_EQ(shares[sub].minutes, std::stoi(want[7])) << where;
                    EXPECT_EQ(shares[sub].startMinute, std::stoi(want[9])) << where;
                }
            }
        }
    });
    EXPECT_EQ(seen.size(), expected.size());
}

// I2 and I3: in every period the five birds hold the five activities, and over a half each
// bird holds each activity once.
TEST(ActivityTables, EachActivityOncePerPeriodAndPerHalf) {
    ForEachHalf([](Fortnight fortnight, DayHalf half, weekday day) {
        for (int yama = 1; yama <= kYamasPerHalf; ++yama) {
            std::set<Activity> held;
            for (std::size_t b = 0; b < kBirdCount; ++b) {
                held.insert(MainActivityOf(BirdAt(b), fortnight, half, day, yama));
            }
            EXPECT_EQ(held.size(), kActivityCount) << "period " << yama << " weekday " << day.c_encoding();
        }
        for (std::size_t b = 0; b < kBirdCount; ++b) {
            std::set<Activity> held;
            for (int yama = 1; yama <= kYamasPerHalf; ++yama) {
                held.insert(MainActivityOf(BirdAt(b), fortnight, half, day, yama));
            }
            EXPECT_EQ(held.size(), kActivityCount) << NameOf(BirdAt(b)) << " weekday " << day.c_encoding();
        }
    });
}

// I4 and I5: each bird steps one place per period along its half's cycle, and neighbouring
// birds stand a fixed number of places apart on it.
TEST(ActivityTables, BirdsStepAlongTheHalfsCycle) {
    struct Cycle {
        Fortnight fortnight;
        DayHalf half;
        std::array<std::string_view, 5> order;
        int neighbourStep;
    };
    const std::array<Cycle, 4> cycles = {{
        {Fortnight::Bright, DayHalf::Day, {"Eating", "Walking", "Ruling", "Sleeping", "Dying"}, 1},
        {Fortnight::Bright, DayHalf::Night, {"Eating", "Ruling", "Dying", "Walking", "Sleeping"}, 4},
        {Fortnight::Dark, DayHalf::Day, {"Eating", "Dying", "Sleeping", "Ruling", "Walking"}, 2},
        {Fortnight::Dark, DayHalf::Night, {"Eating", "Sleeping", "Walking", "Dying", "Ruling"}, 4},
    }};
    for (const Cycle& cycle : cycles) {
        const auto place = [&](Activity activity) {
            return std::find(cycle.order.begin(), cycle.order.end(), NameOf(activity)) - cycle.order.begin();
        };
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(NameOf(NextActivity(cycle.fortnight, cycle.half, ActivityNamed(cycle.order[i]))),
                      cycle.order[(i + 1) % 5]);
        }
        for (unsigned d = 0; d < 7; ++d) {
            const weekday day{d};
            for (std::size_t b = 0; b < kBirdCount; ++b) {
                for (int yama = 1; yama < kYamasPerHalf; ++yama) {
                    const auto now = place(MainActivityOf(BirdAt(b), cycle.fortnight, cycle.half, day, yama));
                    const auto next =
                        place(MainActivityOf(BirdAt(b), cycle.fortnight, cycle.half, day, yama + 1));
                    EXPECT_EQ(next, (now + 1) % 5)
                        << NameOf(BirdAt(b)) << " weekday " << d << " period " << yama;
                }
                if (b + 1 < kBirdCount) {
                    const auto mine = place(MainActivityOf(BirdAt(b), cycle.fortnight, cycle.half, day, 1));
                    const auto theirs =
                        place(MainActivityOf(BirdAt(b + 1), cycle.fortnight, cycle.half, day, 1));
                    EXPECT_EQ((theirs - mine + 5) % 5, cycle.neighbourStep)
                        << NameOf(BirdAt(b)) << " weekday " << d;
                }
            }
        }
    }
}

// I6: Sunday equals Tuesday in every half; Monday equals Wednesday in the bright fortnight and
// Saturday in the dark.
TEST(ActivityTables, WeekdaysThatShareATable) {
    struct Same {
        Fortnight fortnight;
        unsigned day;
        unsigned sameAs;
    };
    const std::array<Same, 4> pairs = {{
        {Fortnight::Bright, 0, 2},
        {Fortnight::Dark, 0, 2},
        {Fortnight::Bright, 1, 3},
        {Fortnight::Dark, 1, 6},
    }};
    for (const Same& pair : pairs) {
        for (const DayHalf half : kHalves) {
            for (std::size_t b = 0; b < kBirdCount; ++b) {
                for (int yama = 1; yama <= kYamasPerHalf; ++yama) {
                    EXPECT_EQ(MainActivityOf(BirdAt(b), pair.fortnight, half, weekday{pair.day}, yama),
                              MainActivityOf(BirdAt(b), pair.fortnight, half, weekday{pair.sameAs}, yama))
                        << pair.day << " and " << pair.sameAs;
                }
            }
        }
    }
}

// I7: the ruling bird of a day or night is the bird eating in its first period.
TEST(ActivityTables, TheDaysRulerEatsInItsFirstPeriod) {
    const auto rows = ReadTable("bird_days.csv");
    ASSERT_EQ(rows.size(), 14u);
    for (const Cells& row : rows) {
        const Fortnight fortnight = row[0] == "bright" ? Fortnight::Bright : Fortnight::Dark;
        const auto day =
            std::find(kWeekdayNames.begin(), kWeekdayNames.end(), row[1]) - kWeekdayNames.begin();
        for (const auto& [half, ruler] :
             {std::pair{DayHalf::Day, row[2]}, std::pair{DayHalf::Night, row[3]}}) {
            std::string eater;
            for (std::size_t b = 0; b < kBirdCount; ++b) {
                if (MainActivityOf(BirdAt(b), fortnight, half, weekday{static_cast<unsigned>(day)}, 1) ==
                    Activity::Eating) {
                    eater = NameOf(BirdAt(b));
                }
            }
            EXPECT_EQ(eater, ruler) << row[0] << ' ' << row[1] << ' ' << PartWord(half);
        }
    }
}

// The book's worked examples (pp. vii, 60-61).
TEST(ActivityTables, TheBooksWorkedExamples) {
    using std::chrono::Sunday;
    using std::chrono::Tuesday;
    using std::chrono::Wednesday;
    // 31 October 1984, a bright Wednesday: the Cock sleeps in the second day period, dies in the third.
    EXPECT_EQ(MainActivityOf(Bird::Cock, Fortnight::Bright, DayHalf::Day, Wednesday, 2), Activity::Sleeping);
    EXPECT_EQ(MainActivityOf(Bird::Cock, Fortnight::Bright, DayHalf::Day, Wednesday, 3), Activity::Dying);
    // 21 May 1991, a bright Tuesday: the Owl dies in the second night period.
    EXPECT_EQ(MainActivityOf(Bird::Owl, Fortnight::Bright, DayHalf::Night, Tuesday, 2), Activity::Dying);
    // A bright Sunday's third day period, 10:48-13:12 after a 06:00 sunrise.
    const auto vulture = SubPeriodsOf(Bird::Vulture, Fortnight::Bright, DayHalf::Day, Sunday, 3);
    const std::array<std::tuple<Activity, Bird, int>, 5> want = {{
        {Activity::Ruling, Bird::Vulture, 48},
        {Activity::Sleeping, Bird::Owl, 18},
        {Activity::Dying, Bird::Crow, 12},
        {Activity::Eating, Bird::Cock, 30},
        {Activity::Walking, Bird::Peacock, 36},
    }};
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(std::tuple(vulture[i].activity, vulture[i].bird, vulture[i].minutes), want[i])
            << "sub " << i + 1;
    }
    // A Peacock person walks first, 10:48-11:24: 36 minutes from the period's start.
    const auto peacock = SubPeriodsOf(Bird::Peacock, Fortnight::Bright, DayHalf::Day, Sunday, 3);
    EXPECT_EQ(peacock[0].activity, Activity::Walking);
    EXPECT_EQ(peacock[0].startMinute, 0);
    EXPECT_EQ(peacock[0].minutes, 36);
}

TEST(ActivityTables, StrengthIsTheProductOfTheWeights) {
    const std::array<std::tuple<Activity, Activity, double>, 4> cases = {{
        {Activity::Ruling, Activity::Ruling, 1.0},
        {Activity::Eating, Activity::Walking, 0.48},
        {Activity::Sleeping, Activity::Eating, 0.32},
        {Activity::Dying, Activity::Dying, 0.04},
    }};
    for (const auto& [main, sub, strength] : cases) {
        EXPECT_DOUBLE_EQ(StrengthOf(main, sub), strength) << NameOf(main) << ' ' << NameOf(sub);
    }
}

} // namespace
} // namespace velmora
