// velmora-cli --lang: the texts change, the keys and the saved files do not.
#include <algorithm>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "example_arguments.h"
#include "in_process.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::kBatchHeader;
using testing::ReadFile;
using testing::RunInProcess;
using testing::TempFolder;
using testing::With;

const std::vector<std::string>& kExample = testing::kExampleReading;

constexpr const char* kEnglishText = "Star:                Pushya\n"
                                     "Fortnight:           Krishna Paksha\n"
                                     "Ruling bird:         Cock\n"
                                     "Ruling days (day):   Sunday, Tuesday\n"
                                     "Ruling days (night): Monday, Saturday\n"
                                     "Death days:          Thursday, Saturday\n";

constexpr const char* kTamilText = "ஜென்ம நட்சத்திரம்: பூசம்\n"
                                   "பட்சம்: தேய்பிறை\n"
                                   "ஜென்ம பட்சி: கோழி\n"
                                   "பகலில் அரசு நாட்கள்: ஞாயிறு, செவ்வாய்\n"
                                   "இரவில் அரசு நாட்கள்: திங்கள், சனி\n"
                                   "படு நாட்கள்: வியாழன், சனி\n";

TEST(Language, ExampleAsTextInEachLanguage) {
    const struct {
        std::vector<std::string> arguments;
        const char* text;
    } cases[] = {
        {kExample, kEnglishText},
        {With(kExample, {"--lang", "en"}), kEnglishText},
        {With(kExample, {"--lang", "ta"}), kTamilText},
    };
    for (const auto& c : cases) {
        const auto run = RunInProcess(c.arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, c.text) << ::testing::PrintToString(c.arguments);
    }
}

TEST(Language, TamilParagraphsAreThoseOfTheFortnight) {
    const auto run = RunInProcess(With(kExample, {"--lang", "ta", "--full"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out,
                HasSubstr(std::string(kTamilText) + "\nஜென்ம நட்சத்திரம்:\n        பூசம், ராசி மண்டலத்தின் "));
    EXPECT_THAT(run.out, HasSubstr("\n\nபஞ்சபட்சி:\n        பஞ்சபட்சி சாஸ்திரத்தின்படி, தேய்பிறையில் பூசம் "
                                   "நட்சத்திரத்தின் பட்சி கோழி. "));
}

TEST(Language, JsonKeysStayEnglish) {
    const auto english =
        nlohmann::ordered_json::parse(RunInProcess(With(kExample, {"--json", "--full"})).out);
    const auto tamil =
        nlohmann::ordered_json::parse(RunInProcess(With(kExample, {"--json", "--full", "--lang", "ta"})).out);
    ASSERT_EQ(tamil.size(), english.size());
    for (auto e = english.begin(), t = tamil.begin(); e != english.end(); ++e, ++t) {
        EXPECT_EQ(t.key(), e.key());
    }
    EXPECT_EQ(tamil.at("star"), "பூசம்");
    EXPECT_EQ(tamil.at("paksha"), "தேய்பிறை");
    EXPECT_EQ(tamil.at("bird"), "கோழி");
    EXPECT_EQ(tamil.at("death_days"), "வியாழன், சனி");
}

TEST(Language, SavedFilesStayEnglish) {
    const TempFolder folder;
    const auto tamilPath = (folder.Path() / "tamil.tam").string();
    const auto englishPath = (folder.Path() / "english.tam").string();
    ASSERT_EQ(RunInProcess(With(kExample, {"--lang", "ta", "--save", tamilPath})).exitCode, 0);
    ASSERT_EQ(RunInProcess(With(kExample, {"--save", englishPath})).exitCode, 0);
    EXPECT_EQ(ReadFile(tamilPath), ReadFile(englishPath));
    EXPECT_EQ(RunInProcess({"open", tamilPath}).out, kEnglishText);
    EXPECT_EQ(RunInProcess({"open", englishPath, "--lang", "ta"}).out, kTamilText);
}

TEST(Language, BatchValuesChangeButNotTheHeader) {
    const std::string input = std::string(kBatchHeader) + "\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n";
    const auto english = RunInProcess({"batch"}, input);
    const auto tamil = RunInProcess({"batch", "--lang", "ta"}, input);
    EXPECT_EQ(tamil.exitCode, 0);
    const auto headerEnd = english.out.find('\n') + 1;
    EXPECT_EQ(tamil.out.substr(0, headerEnd), english.out.substr(0, headerEnd));
    EXPECT_EQ(tamil.out.substr(headerEnd), "Asha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N,பூசம்,தேய்பிறை,கோழி,"
                                           "\"ஞாயிறு, செவ்வாய்\",\"திங்கள், சனி\",\"வியாழன், சனி\"\n");
}

// Three minutes before Ashlesha: the margins' lines are Tamil too, numbers and all.
TEST(Language, MarginsInTamil) {
    std::vector<std::string> arguments = With(kExample, {"--lang", "ta", "--margins"});
    const auto at = std::find(arguments.begin(), arguments.end(), "00:00");
    *at = "20:05";
    const auto run = RunInProcess(arguments);
    EXPECT_THAT(run.out, HasSubstr("\n\nநட்சத்திர மாற்ற இடைவெளி, முன் (நிமிடம்): 1268\n"
                                   "நட்சத்திர மாற்ற இடைவெளி, பின் (நிமிடம்): 3\n"
                                   "பட்ச மாற்ற இடைவெளி, முன் (நிமிடம்): 24 மணி நேரத்துக்குள் இல்லை\n"));
    EXPECT_THAT(run.out, HasSubstr("பின் நேரப் பலன் (3 நிமிடம்): ஆயில்யம், தேய்பிறை, கோழி\n"
                                   "பிறந்த நேரம் 3 நிமிடங்கள் பிந்தியிருந்தால் நட்சத்திரம் ஆயில்யம் என மாறும்; "
                                   "பட்சி கோழி என்றே இருக்கும்.\n"));
}

// A place's compass words and caution; the gazetteer's names stay as they are.
TEST(Language, PlacesInTamil) {
    const auto run =
        RunInProcess({"place", "Madras", "--date", "1950-01-26", "--limit", "1", "--lang", "ta"});
    EXPECT_EQ(run.out, "Chennai (Madras), Tamil Nadu, India\n"
                       "  13°05' வடக்கு  80°17' கிழக்கு  Asia/Kolkata  UTC+5:30\n"
                       "  எச்சரிக்கை: 1955-க்கு முன் இந்தியக் கடிகாரங்கள் ஒரே நேரத்தைக் காட்டவில்லை (பம்பாயும் "
                       "கல்கத்தாவும் தமக்கெனத் தனி நேரத்தைக் கடைப்பிடித்தன); அங்கு வழக்கில் இருந்த உள்ளூர் "
                       "நேரத்தைச் சரிபார்க்கவும்.\n");
    const auto london =
        RunInProcess({"place", "London", "--date", "1947-05-01", "--limit", "1", "--lang", "ta"});
    EXPECT_THAT(london.out, HasSubstr("51°31' வடக்கு  0°08' மேற்கு  Europe/London  UTC+2:00 கோடை நேரம்\n"));
}

TEST(Language, UnknownLanguageIsAUsageError) {
    for (const char* code : {"de", "TA", ""}) {
        const auto run = RunInProcess(With(kExample, {"--lang", code}));
        EXPECT_EQ(run.exitCode, 2) << code;
        EXPECT_EQ(run.out, "") << code;
    }
}

} // namespace
} // namespace velmora
