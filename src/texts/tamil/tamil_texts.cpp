#include <array>

#include "texts/language_texts.h"
#include "texts/tamil/names.h"
#include "texts/tamil/paragraphs.h"

namespace velmora {
namespace {

using namespace tamil;

// Input panel, beside the five birds.
constexpr std::string_view kIntroduction =
    "தமிழ் ஜோதிடம் அல்லது பஞ்சபட்சி சாஸ்திரம், தென்னிந்தியாவில் தோன்றிய இந்திய "
    "ஜோதிடத்தின் மிகப் பழமையான பிரிவுகளில் ஒன்று. நிலம், நீர், நெருப்பு, காற்று, "
    "ஆகாயம் என்னும் இயற்கையின் ஐந்து பூதங்களையும் வல்லூறு, ஆந்தை, காகம், கோழி, "
    "மயில் என்னும் ஐந்து பட்சிகள் குறிக்கின்றன என்று இது கூறுகிறது. ஒவ்வொருவரும் "
    "தாம் பிறந்த நட்சத்திரத்தாலும் பிறந்த நேரத்துச் சந்திரனின் பிறை நிலையாலும் "
    "இப்பட்சிகளில் ஒன்றோடு இணைக்கப்படுகிறார்கள். ஒவ்வொரு பகலிலும் ஒவ்வொரு இரவிலும் "
    "இப்பட்சிகள் மாறி மாறித் தம் ஆற்றலை வெளிப்படுத்துகின்றன; ஆகவே குறிப்பிட்ட ஒரு "
    "நேரத்தில் உங்கள் பட்சிக்கு உள்ள வலிமையைக் கொண்டு, நீங்கள் தொடங்கும் செயலுக்கு "
    "அந்த நேரம் உகந்ததா என்பதை அறியலாம்.";

// First result tab, across the top.
constexpr std::string_view kNakshatraExplanation =
    "        வேத ஜோதிடத்தின்படி, பன்னிரண்டு ராசிகளைக் கொண்ட ராசி மண்டலம் 13 பாகை 20 "
    "கலை அளவுள்ள 27 சம பகுதிகளாகப் பிரிக்கப்பட்டுள்ளது. இப்பகுதிகள் "
    "ஒவ்வொன்றும் நட்சத்திரம் எனப்படுகிறது; அதற்குள் அமைந்துள்ள விண்மீன் "
    "அல்லது விண்மீன் கூட்டத்தின் பெயரே அதற்கு வழங்கப்படுகிறது. சந்திரன் ஏறத்தாழ "
    "27 நாட்களில் ராசி மண்டலத்தை ஒருமுறை சுற்றி வருவதால், ஒவ்வொரு "
    "நட்சத்திரத்திலும் சுமார் ஒரு நாள் தங்குகிறது. நீங்கள் பிறந்த கணத்தில் "
    "சந்திரன் நின்ற நட்சத்திரமே உங்கள் ஜென்ம நட்சத்திரம் எனப்படும். ஒவ்வொரு "
    "நட்சத்திரத்துக்கும் தனக்கென அதிதேவதை, அதிபதி கிரகம், சின்னம் ஆகியவை "
    "உண்டு; அது உங்கள் இயல்பு, திறமைகள், உடல்நலம், வாழ்க்கைப் போக்கு "
    "ஆகியவற்றைக் காட்டுவதாக நம்பப்படுகிறது. ஜாதகப் பொருத்தம் பார்க்கவும், "
    "நல்ல காரியங்களுக்கு நல்ல நேரம் குறிக்கவும் நட்சத்திரம் பயன்படுகிறது.";

// Fourth result tab.
constexpr std::string_view kDeathDaysExplanation =
    "        உங்கள் பட்சி மிகக் குறைந்த வலிமையுடன் இருக்கும் நாட்களே படு நாட்கள். "
    "இந்நாட்களில் முக்கியமான பணிகளைத் தொடங்குவதையோ, புதிய தொழில் "
    "முயற்சிகளில் இறங்குவதையோ, பெரிய முடிவுகளை எடுப்பதையோ தவிர்த்து, "
    "வழக்கமான வேலைகளை மட்டும் செய்வது நல்லது. உங்கள் பட்சியின் அரசு "
    "நாட்களும் படு நாட்களும், அந்த நாள் எந்தப் பட்சத்தில் வருகிறது, அதாவது "
    "வளர்பிறையிலா தேய்பிறையிலா என்பதைப் பொறுத்து மாறுகின்றன. அரசு நாட்களைப் "
    "போல் அல்லாமல், ஒரு பட்சியின் படு நாட்கள் பகலுக்கும் இரவுக்கும் ஒன்றே.";

// Third result tab.
constexpr std::string_view kRulingDaysExplanation =
    "        பஞ்சபட்சி சாஸ்திரத்தின்படி வல்லூறு, கோழி, மயில், ஆந்தை, காகம் ஆகிய "
    "ஐந்து பட்சிகளும் வாரத்தின் குறிப்பிட்ட நாட்களை ஆள்வதாக நம்பப்படுகிறது. "
    "தன் அரசு நாட்களில் உங்கள் பட்சி தன் முழு வலிமையுடன் விளங்குகிறது; "
    "புதிய பணிகளைத் தொடங்கவும், பயணம் மேற்கொள்ளவும், முக்கியமானவர்களைச் "
    "சந்திக்கவும், முடிவுகள் எடுக்கவும் இவையே மிகச் சிறந்த நாட்கள். அரசு "
    "நாட்களும் அந்த நாளின் பட்சத்தைப் பொறுத்து மாறுகின்றன. ஆனால் அரசு "
    "நாட்கள் பகலுக்கு ஒன்றாகவும் இரவுக்கு வேறாகவும் அமைகின்றன.";

// Shown with வளர்பிறை.
constexpr std::string_view kBrightFortnightExplanation =
    "சுக்ல பட்சம் எனவும் அழைக்கப்படும் வளர்பிறை, புதிய சந்திர மாதத்தின் "
    "தொடக்கத்தைக் குறிக்கிறது. இக்காலம் பௌர்ணமி அன்று நிறைவடைகிறது.";

// Shown with தேய்பிறை; it says where the fortnight starts, since in the Tamil
// (new-moon) reckoning the month begins with the bright half.
constexpr std::string_view kDarkFortnightExplanation =
    "கிருஷ்ண பட்சம் எனவும் அழைக்கப்படும் தேய்பிறை, பௌர்ணமிக்கு மறுநாள் "
    "தொடங்குகிறது. இக்காலம் அமாவாசை அன்று நிறைவடைகிறது.";

constexpr auto kFortnightExplanations =
    std::to_array<std::string_view>({kBrightFortnightExplanation, kDarkFortnightExplanation});

// With the fortnight: what a lunar day (திதி) is.
constexpr std::string_view kLunarDayExplanation = "சந்திரன் சூரியனிடமிருந்து 12 பாகை விலகிச் செல்ல எடுத்துக்கொள்ளும் "
                                                  "காலம் திதி. எந்தச் சுப நிகழ்ச்சிக்கும் நாளையும் நேரத்தையும் "
                                                  "தேர்ந்தெடுப்பதில் இது முக்கியமானது.";

// Both fortnights join two days the same way.
constexpr auto kDayListJoints = std::to_array<std::string_view>({", ", ", "});

// In the order of CheckMessage; every "please enter" ends in உள்ளிடவும்.
constexpr auto kCheckMessages = std::to_array<std::string_view>({
    "பெயரை உள்ளிடவும்",
    "நேர மண்டலத்தின் மணியை உள்ளிடவும்",
    "நேர மண்டலத்தின் நிமிடத்தை உள்ளிடவும்",
    "தீர்க்கரேகையின் பாகையை உள்ளிடவும்",
    "தீர்க்கரேகையின் கலையை உள்ளிடவும்",
    "அட்சரேகையின் பாகையை உள்ளிடவும்",
    "அட்சரேகையின் கலையை உள்ளிடவும்",
    "சரியான தேதியையோ மாதத்தையோ உள்ளிடவும்!",
    "சரியான தேதியையோ மாதத்தையோ உள்ளிடவும்!",
    "எண்கள் மட்டுமே ஏற்கப்படும்",
    "%1 என்பது Velmora பலன் கோப்பு அல்ல.",
});

// Minutes of birth time to the nearest change, each way.
constexpr auto kMarginLabels = std::to_array<std::string_view>({
    "நட்சத்திர மாற்ற இடைவெளி, முன் (நிமிடம்): ",
    "நட்சத்திர மாற்ற இடைவெளி, பின் (நிமிடம்): ",
    "பட்ச மாற்ற இடைவெளி, முன் (நிமிடம்): ",
    "பட்ச மாற்ற இடைவெளி, பின் (நிமிடம்): ",
});

// In the order of ClockCaution.
constexpr auto kClockCautions = std::to_array<std::string_view>({
    "கடிகாரங்கள் முன்னே நகர்த்தப்பட்டபோது இந்த நேரம் தவிர்க்கப்பட்டது; முந்தைய நேர வேறுபாடு "
    "பயன்படுத்தப்படுகிறது.",
    "கடிகாரங்கள் பின்னே நகர்த்தப்பட்டபோது இந்த நேரம் இருமுறை வந்தது; முதலில் வந்ததே பயன்படுத்தப்படுகிறது.",
    "1955-க்கு முன் இந்தியக் கடிகாரங்கள் ஒரே நேரத்தைக் காட்டவில்லை (பம்பாயும் கல்கத்தாவும் தமக்கெனத் தனி "
    "நேரத்தைக் கடைப்பிடித்தன); அங்கு வழக்கில் இருந்த உள்ளூர் நேரத்தைச் சரிபார்க்கவும்.",
});

} // namespace

// "பிறந்த நேரம் 6 நிமிடங்கள் பிந்தியிருந்தால் நட்சத்திரம் ஆயில்யம் எனவும் பட்சி
// காகம் எனவும் மாறும்." The names follow என, which leaves them uninflected.
std::string TamilNearChangeLine(const NearChangeFacts& facts, const LanguageTexts& texts) {
    std::array<std::string, 3> changes;
    std::size_t count = 0;
    if (facts.star) {
        changes[count++] = "நட்சத்திரம் " + std::string(texts.starNames[IndexOf(*facts.star)]);
    }
    if (facts.fortnight) {
        changes[count++] = "பட்சம் " + std::string(texts.fortnightNames[IndexOf(*facts.fortnight)]);
    }
    const std::string bird = facts.bird ? std::string(texts.birdNames[IndexOf(*facts.bird)]) : std::string();
    if (facts.bird && facts.newBird) {
        changes[count++] = "பட்சி " + bird;
    }
    std::string line = "பிறந்த நேரம் " + std::to_string(facts.minutes) +
                       (facts.minutes == 1 ? " நிமிடம் " : " நிமிடங்கள் ") +
                       (facts.later ? "பிந்தியிருந்தால்" : "முந்தியிருந்தால்");
    for (std::size_t i = 0; i < count; ++i) {
        line += " " + changes[i] + (count == 1 ? " என" : " எனவும்");
    }
    line += " மாறும்";
    if (facts.bird && !facts.newBird) {
        line += "; பட்சி " + bird + " என்றே இருக்கும்";
    }
    return line + '.';
}

// The lunar days as Tamil almanacs print them; each fortnight named as the fortnight itself is.
constexpr auto kTithiNames = std::to_array<std::string_view>({
    "பிரதமை",
    "துவிதியை",
    "திருதியை",
    "சதுர்த்தி",
    "பஞ்சமி",
    "சஷ்டி",
    "சப்தமி",
    "அஷ்டமி",
    "நவமி",
    "தசமி",
    "ஏகாதசி",
    "துவாதசி",
    "திரயோதசி",
    "சதுர்த்தசி",
});
constexpr auto kDayParts = std::to_array<std::string_view>({"பகல்", "இரவு"});

constexpr auto kLastTithiNames = std::to_array<std::string_view>({"பௌர்ணமி", "அமாவாசை"});

// A terminal's width of Tamil letters varies, so the labels are followed by one blank only.
constinit const LanguageTexts kTamilTexts{
    .starNames = StarNames,
    .birdNames = BirdNames,
    .fortnightNames = FortnightNames,
    .weekdayNames = WeekdayNames,
    .activityNames = ActivityNames,
    .activityLetters = ActivityLetters,
    .tithiNames = kTithiNames,
    .tithiFortnightWords = FortnightNames,
    .lastTithiNames = kLastTithiNames,
    .dayListJoints = kDayListJoints,
    .starParagraphs = StarDescriptionTable,
    .brightBirdParagraphs = PakshiDescriptionTable,
    .darkBirdParagraphs = DarkPakshiDescriptionTable,
    .introduction = kIntroduction,
    .nakshatraExplanation = kNakshatraExplanation,
    .rulingDaysExplanation = kRulingDaysExplanation,
    .deathDaysExplanation = kDeathDaysExplanation,
    .fortnightExplanations = kFortnightExplanations,
    .lunarDayExplanation = kLunarDayExplanation,
    .checkMessages = kCheckMessages,
    .readingLabels =
        {
            .star = "ஜென்ம நட்சத்திரம்: ",
            .fortnight = "பட்சம்: ",
            .bird = "ஜென்ம பட்சி: ",
            .rulingDaysDay = "பகலில் அரசு நாட்கள்: ",
            .rulingDaysNight = "இரவில் அரசு நாட்கள்: ",
            .deathDays = "படு நாட்கள்: ",
            .starParagraph = "ஜென்ம நட்சத்திரம்:",
            .birdParagraph = "பஞ்சபட்சி:",
        },
    .marginLabels =
        {
            .margins = kMarginLabels,
            .noChange = "24 மணி நேரத்துக்குள் இல்லை",
            .readingBefore = "முன் நேரப் பலன் (",
            .readingAfter = "பின் நேரப் பலன் (",
            .minutesClose = " நிமிடம்): ",
        },
    .placeLabels =
        {
            .north = "வடக்கு",
            .south = "தெற்கு",
            .east = "கிழக்கு",
            .west = "மேற்கு",
            .clockCautions = kClockCautions,
            .caution = "எச்சரிக்கை: ",
            .daylightSaving = " கோடை நேரம்",
        },
    .scheduleLabels =
        {
            .place = "இடம்: ",
            .bird = "பட்சி: ",
            .day = "நாள்: ",
            .sun = "சூரியன்: ",
            .coveredBy = "இந்தத் தேதியை உள்ளடக்கும் நாள்: சூரிய உதயம் ",
            .weekday = "கிழமை: ",
            .fortnight = "பட்சம்: ",
            .tithi = "திதி: ",
            .star = "நட்சத்திரம்: ",
            .atSunrise = " (சூரிய உதயத்தில்)",
            .sunrise = "சூரிய உதயம்: ",
            .sunset = "சூரிய அஸ்தமனம்: ",
            .nextSunrise = "அடுத்த சூரிய உதயம்: ",
            .birdsDay = "பட்சியின் நாள்: ",
            .periods = "ஜாமங்கள் (பகலின் ஐந்து சம பாகங்கள், பின் இரவின் ஐந்து), பட்சியின் தொழில், "
                       "உட்பிரிவுகள்\n(அவற்றின் பட்சி, தொழில், வலிமை):",
            .parts = kDayParts,
            .staysUpAfterRising = "உதித்த பின் 24 மணி நேரத்துக்கு மேல் மறையாது (துருவப் பகல்); ஜாமங்கள் இல்லை",
            .staysUp = "மறையாது (துருவப் பகல்); ஜாமங்கள் இல்லை",
            .staysDownAfterSetting =
                "உதித்து மறைந்த பின் 24 மணி நேரத்துக்கு மேல் உதிக்காது (துருவ இரவு); ஜாமங்கள் இல்லை",
            .staysDown = "உதிக்காது (துருவ இரவு); ஜாமங்கள் இல்லை",
            .noDayOfItsOwn = "இந்தத் தேதியில் உதிக்காது, துருவம் அல்ல: தனி நாள் இல்லை; ஜாமங்கள் இல்லை",
            .rulingByDay = "அரசு நாள் (பகல்)",
            .rulingByNight = "அரசு நாள் (இரவு)",
            .deathDay = "படு நாள்",
            .noneOfItsDays = "அதன் நாட்கள் எதுவும் அல்ல",
            .at = "நேரம்: ",
            .period = "ஜாமம்: ",
            .subPeriod = "உட்பிரிவு: ",
            .nextRules = "அடுத்த அரசு: ",
            .strength = "வலிமை ",
            .until = " – ",
            .noRuleWithinAYear = "ஓராண்டுக்குள் இல்லை",
            .noPeriodNow = "இப்போது ஜாமம் இல்லை",
        },
    .planLabels =
        {
            .subPeriod = "உட்பிரிவு",
            .subPeriods = "உட்பிரிவுகள்",
            .strength = "வலிமை",
            .lowestStrength = "குறைந்த வலிமை",
            .noWindows = "இக்காலத்தில் நிபந்தனைக்கு ஏற்ற நேரப் பகுதி இல்லை.",
        },
    .tablesSource = "அட்டவணைகள்: U. S. Pulippani, Biorhythms of Natal Moon (1993), பொது மூலங்களில் "
                    "படியெடுத்தபடி; மரபுகள் வேறுபடுகின்றன.",
    .nearChangeLine = TamilNearChangeLine,
};

} // namespace velmora
