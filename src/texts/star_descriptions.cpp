#include "texts/paragraphs.h"

namespace velmora {

const std::array<std::string_view, 27> StarDescriptionTable = {
    "        Ashwini is the first Nakshatra of the zodiac.",
    "        Bharani is the second Nakshatra of the zodiac.",
    "        Krittika is the third Nakshatra of the zodiac.",
    "        Rohini is the fourth Nakshatra of the zodiac.",
    "        Mrigasira is the fifth Nakshatra of the zodiac.",
    "        Ardra is the sixth Nakshatra of the zodiac.",
    "        Punarvasu is the seventh Nakshatra of the zodiac.",
    "        Pushya is the eighth Nakshatra of the zodiac.",
    "        Aslesha is the ninth Nakshatra of the zodiac.",
    "        Magha is the tenth Nakshatra of the zodiac.",
    "        Poorvaphalguni is the eleventh Nakshatra of the zodiac.",
    "        Uttarphalguni is the twelfth Nakshatra of the zodiac.",
    "        Hasta is the thirteenth Nakshatra of the zodiac.",
    "        Chitra is the fourteenth Nakshatra of the zodiac.",
    "        Swati is the fifteenth Nakshatra of the zodiac.",
    "        Vishakha is the sixteenth Nakshatra of the zodiac.",
    "        Anuradha is the seventeenth Nakshatra of the zodiac.",
    "        Jyeshta is the eighteenth Nakshatra of the zodiac.",
    "        Moola is the nineteenth Nakshatra of the zodiac.",
    "        Poorvashada is the twentieth Nakshatra of the zodiac.",
    "        Uttarashada is the twenty first Nakshatra of the zodiac.",
    "        Sravana is the twenty second Nakshatra of the zodiac.",
    "        Dhanishtha is the twenty third Nakshatra of the zodiac.",
    "        Satabisha is the twenty-fourth Nakshatra of the zodiac.",
    "        Poorvabhadra is the twenty-fifth Nakshatra of the zodiac.",
    "        Uttarabhadra is the twenty-sixth Nakshatra of the zodiac.",
    "        Revati is the twenty-seventh Nakshatra of the zodiac.",
};

} // namespace velmora
