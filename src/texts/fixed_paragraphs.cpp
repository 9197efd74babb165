#include "texts/paragraphs.h"

namespace velmora {

const std::string_view IntroductionText =
    "Tamil Astrology Or Panch-Pakshi Shastra is one of the most ancient forms of Indian astrology, "
    "born in South India. It teaches that the five elements of nature - earth, water, fire, air "
    "and ether - are represented by five birds: the Vulture, the Owl, the Crow, the Cock and the Peacock. "
    "Every person is linked to one of these birds by the birth star and the phase of the Moon at birth. "
    "Through every day and every night the birds take turns in radiating their powers, so the strength of "
    "your bird at a given hour shows whether that hour favours what you set out to do.";

const std::string_view NakshatraExplanationText =
    "        According to Vedic astrology, each of the 12 zodiacs is divided into 27 parts of 13 degrees and "
    "20 minutes. Each of these parts is called a Nakshatra, or lunar mansion, and is named after the star or "
    "group of stars that lies within it. As the Moon travels once around the zodiac in about 27 days, it "
    "spends roughly one day in each Nakshatra, and the Nakshatra in which the Moon stood at the moment of "
    "your birth is known as your birth star or Janma Nakshatra. Each Nakshatra has its own ruling deity, "
    "ruling planet and symbol, and is believed to describe your temperament, your talents, your health and "
    "the course of your life. It is also used to match horoscopes and to choose good times for events.";

const std::string_view DeathDaysText =
    "        Death days the days on which your bird is the least powerful. On these days it is wise not to "
    "begin important tasks, start business ventures or make major decisions; keep to routine work "
    "instead. Both the ruling days and the death days of your bird depend on the Paksha of the day "
    "considered, that is, on whether it falls in the bright or the dark fortnight. "
    "Unlike the ruling days, the death days of a bird are same for day as well as night.";

const std::string_view RulingDaysText =
    "        As per the Panch Pakshi Shastra, it is believed that the five birds - the Vulture, Cock, "
    "Peacock, Owl and the Crow, rule certain days of the week. On its ruling days your bird is at the height "
    "of its power, and these are the best days to begin new work, travel, meet important people and take "
    "decisions. The ruling days also change with the Paksha of the day considered. However, "
    "the ruling days are different for day and night.";

std::string_view FortnightExplanation(Fortnight fortnight) {
    return fortnight == Fortnight::Bright ? kBrightFortnightExplanation : kDarkFortnightExplanation;
}

} // namespace velmora
