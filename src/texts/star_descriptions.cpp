#include "texts/paragraphs.h"

namespace velmora {

// What each star is: its place in the zodiac, deity, planet, symbol and nature.
// to_array counts the paragraphs; a missing or extra one fails to convert.
const std::array<std::string_view, kStarCount> StarDescriptionTable = std::to_array<std::string_view>({
    // Ashwini
    "        Ashwini is the first Nakshatra of the zodiac. It spans from 0 degrees to 13 degrees 20 "
    "minutes of Aries. Its ruling deities are the Ashwini Kumaras, the twin horsemen who serve as "
    "physicians to the gods, and its ruling planet is Ketu. Its symbol is the head of a horse. Ashwini "
    "is a star of beginnings, speed and healing; those born under it are quick, energetic and eager to "
    "help, and they like to be the first to act.",
    // Bharani
    "        Bharani is the second Nakshatra of the zodiac, spanning from 13 degrees 20 minutes to 26 "
    "degrees 40 minutes of Aries. Its ruling deity is Yama, the lord of death and of dharma, and its "
    "ruling planet is Venus. Its symbol is the yoni, the womb. Bharani stands for bearing and carrying "
    "through: people of this star are strong-willed, creative and responsible, and they face the great "
    "changes of life with courage.",
    // Krittika
    "        Krittika is the third Nakshatra of the zodiac, ranging from 26 degrees 40 minutes of Aries "
    "to 10 degrees of Taurus. It is the cluster known to astronomers as the Pleiades. Its ruling deity "
    "is Agni, the god of fire, and its ruling planet is the Sun. Its symbol is a razor or a flame. "
    "Krittika gives a sharp mind and a cutting tongue; its people are determined, proud and honest, and "
    "they purify whatever they touch.",
    // Rohini
    "        Rohini is the fourth Nakshatra of the zodiac, spanning from 10 degrees to 23 degrees 20 "
    "minutes of Taurus, and its chief star is the red Aldebaran. Its ruling deity is Brahma, the "
    "creator, and its ruling planet is the Moon, who of all his wives loved Rohini the most. Its symbol "
    "is an ox cart or chariot. Rohini is the star of growth and beauty; its natives are charming, "
    "artistic and fond of comfort, and they make things flourish.",
    // Mrigasira
    "        Mrigasira is the fifth Nakshatra of the zodiac, ranging from 23 degrees 20 minutes of "
    "Taurus to 6 degrees 40 minutes of Gemini. Its ruling deity is Soma, the Moon god, and its ruling "
    "planet is Mars. Its symbol is the head of a deer. Like the deer, the people of this star are "
    "gentle, curious and always searching; they love travel, study and conversation, though they may "
    "find it hard to settle down.",
    // Ardra
    "        Ardra is the sixth Nakshatra of the zodiac, spanning from 6 degrees 40 minutes to 20 "
    "degrees of Gemini, and its star is the bright Betelgeuse. Its ruling deity is Rudra, the god of "
    "storms, and its ruling planet is Rahu. Its symbol is a teardrop. Ardra, the moist one, stands for "
    "the storm that clears the air: its people are intense, searching and often brilliant thinkers who "
    "grow through hardship.",
    // Punarvasu
    "        Punarvasu is the seventh Nakshatra of the zodiac, ranging from 20 degrees of Gemini to 3 "
    "degrees 20 minutes of Cancer; its stars are Castor and Pollux. Its ruling deity is Aditi, the "
    "boundless mother of the gods, and its ruling planet is Jupiter. Its symbol is a quiver of arrows. "
    "Punarvasu means the return of the light; its natives are kind, patient and content with little, and "
    "always able to start again.",
    // Pushya
    "        Pushya is the eighth Nakshatra of the zodiac, spanning from 3 degrees 20 minutes to 16 "
    "degrees 40 minutes of Cancer. Its ruling deity is Brihaspati, the teacher of the gods, and its "
    "ruling planet is Saturn. Its symbol is the udder of a cow. Pushya is held to be one of the most "
    "auspicious stars; its people are nourishing, devoted and dependable, and they like to protect and "
    "care for others.",
    // Ashlesha
    "        Aslesha is the ninth Nakshatra of the zodiac, ranging from 16 degrees 40 minutes to 30 "
    "degrees of Cancer. Its ruling deities are the Nagas, the serpent gods, and its ruling planet is "
    "Mercury. Its symbol is a coiled serpent. Aslesha gives a penetrating, clever and secretive mind; "
    "its people see through others easily, hold on tightly to what they want and can be very persuasive.",
    // Magha
    "        Magha is the tenth Nakshatra of the zodiac, spanning from 0 degrees to 13 degrees 20 "
    "minutes of Leo, and its chief star is Regulus. Its ruling deities are the Pitris, the forefathers, "
    "and its ruling planet is Ketu. Its symbol is a royal throne. Magha is the star of kings and of "
    "tradition; its natives are dignified, generous and proud of their family, and they expect to be "
    "honoured.",
    // Poorva Phalguni
    "        Poorvaphalguni is the eleventh Nakshatra of the zodiac, ranging from 13 degrees 20 minutes "
    "to 26 degrees 40 minutes of Leo. Its ruling deity is Bhaga, the god of fortune and delight, and its "
    "ruling planet is Venus. Its symbol is the front legs of a bed or a hammock. This is the star of "
    "rest and pleasure; its people are warm, sociable and artistic, and they love comfort, romance and "
    "celebration.",
    // Uttara Phalguni
    "        Uttarphalguni is the twelfth Nakshatra of the zodiac, spanning from 26 degrees 40 minutes "
    "of Leo to 10 degrees of Virgo; its chief star is Denebola. Its ruling deity is Aryaman, the god of "
    "contracts and friendship, and its ruling planet is the Sun. Its symbol is the back legs of a bed. "
    "Its natives are reliable, helpful and generous partners who keep their word and value lasting "
    "unions.",
    // Hasta
    "        Hasta is the thirteenth Nakshatra of the zodiac, ranging from 10 degrees to 23 degrees 20 "
    "minutes of Virgo. Its ruling deity is Savitar, the creative power of the Sun, and its ruling planet "
    "is the Moon. Its symbol is an open hand. Hasta gives skilful hands and a quick wit; its people are "
    "clever craftsmen, healers and traders, practical and resourceful, who like to achieve things by "
    "their own effort.",
    // Chitra
    "        Chitra is the fourteenth Nakshatra of the zodiac, spanning from 23 degrees 20 minutes of "
    "Virgo to 6 degrees 40 minutes of Libra, and its star is the brilliant Spica. Its ruling deity is "
    "Vishwakarma, the divine architect, and its ruling planet is Mars. Its symbol is a shining jewel. "
    "Chitra means the bright one; its natives have a keen sense of beauty and design and love to shine.",
    // Swati
    "        Swati is the fifteenth Nakshatra of the zodiac, ranging from 6 degrees 40 minutes to 20 "
    "degrees of Libra; its star is Arcturus. Its ruling deity is Vayu, the god of the wind, and its "
    "ruling planet is Rahu. Its symbol is a young shoot swaying in the wind. Swati stands for "
    "independence and movement; its people are flexible, polite and good at business, and they need "
    "freedom to grow.",
    // Vishakha
    "        Vishakha is the sixteenth Nakshatra of the zodiac, spanning from 20 degrees of Libra to 3 "
    "degrees 20 minutes of Scorpio. Its ruling deities are Indra and Agni together, and its ruling "
    "planet is Jupiter. Its symbol is a triumphal archway decorated with leaves. Vishakha is the star of "
    "purpose; its natives are ambitious, patient and single-minded, and they work steadily until they "
    "reach their goal.",
    // Anuradha
    "        Anuradha is the seventeenth Nakshatra of the zodiac, ranging from 3 degrees 20 minutes to "
    "16 degrees 40 minutes of Scorpio. Its ruling deity is Mitra, the god of friendship, and its ruling "
    "planet is Saturn. Its symbol is a lotus flower. Anuradha is the star of devotion and success far "
    "from home; its people are loyal friends, good organisers and able to flourish even in difficult "
    "circumstances.",
    // Jyeshtha
    "        Jyeshta is the eighteenth Nakshatra of the zodiac, spanning from 16 degrees 40 minutes to "
    "30 degrees of Scorpio, and its star is the red Antares. Its ruling deity is Indra, the king of the "
    "gods, and its ruling planet is Mercury. Its symbol is a round amulet or an umbrella. Jyeshta means "
    "the eldest; its natives are protective, resourceful and born to lead, though they may feel alone at "
    "the top.",
    // Moola
    "        Moola is the nineteenth Nakshatra of the zodiac, ranging from 0 degrees to 13 degrees 20 "
    "minutes of Sagittarius, near the centre of our galaxy. Its ruling deity is Nirriti, the goddess of "
    "dissolution, and its ruling planet is Ketu. Its symbol is a bunch of roots tied together. Moola "
    "means the root; its people seek the truth at the bottom of things and are not afraid to tear down "
    "and begin anew.",
    // Purva Ashadha
    "        Poorvashada is the twentieth Nakshatra of the zodiac, spanning from 13 degrees 20 minutes "
    "to 26 degrees 40 minutes of Sagittarius. Its ruling deity is Apas, the goddess of the waters, and "
    "its ruling planet is Venus. Its symbol is a winnowing fan or an elephant tusk. Poorvashada is "
    "called the invincible star; its natives are proud, persuasive and optimistic, and they rarely "
    "accept defeat.",
    // Uttara Ashadha
    "        Uttarashada is the twenty first Nakshatra of the zodiac, ranging from 26 degrees 40 minutes "
    "of Sagittarius to 10 degrees of Capricorn. Its ruling deities are the Vishwadevas, the universal "
    "gods, and its ruling planet is the Sun. Its symbol is the tusk of an elephant. Uttarashada gives "
    "lasting victory; its people are upright, responsible and patient, and they win through honest "
    "effort.",
    // Shravana
    "        Sravana is the twenty second Nakshatra of the zodiac, spanning from 10 degrees to 23 "
    "degrees 20 minutes of Capricorn; its chief star is Altair. Its ruling deity is Vishnu, the "
    "preserver, and its ruling planet is the Moon. Its symbol is an ear, or three footprints. Sravana "
    "means hearing; its natives are good listeners and learners who gather knowledge, keep traditions "
    "and give wise counsel.",
    // Dhanistha
    "        Dhanishtha is the twenty third Nakshatra of the zodiac, ranging from 23 degrees 20 minutes "
    "of Capricorn to 6 degrees 40 minutes of Aquarius. Its ruling deities are the eight Vasus, the gods "
    "of abundance, and its ruling planet is Mars. Its symbol is a drum. Dhanishtha is the star of wealth "
    "and rhythm; its people are lively, generous and musical, and they often gain fame and riches.",
    // Shatabhisha
    "        Satabisha is the twenty-fourth Nakshatra of the zodiac, spanning from 6 degrees 40 minutes "
    "to 20 degrees of Aquarius. Its ruling deity is Varuna, the god of the cosmic waters, and its ruling "
    "planet is Rahu. Its symbol is an empty circle. Satabisha means a hundred healers; its natives are "
    "independent, thoughtful and secretive, with a gift for science, research and the healing arts.",
    // Poorva Bhadrapada
    "        Poorvabhadra is the twenty-fifth Nakshatra of the zodiac, ranging from 20 degrees of "
    "Aquarius to 3 degrees 20 minutes of Pisces. Its ruling deity is Aja Ekapada, the one-footed goat, a "
    "fiery form of Rudra, and its ruling planet is Jupiter. Its symbol is the front legs of a funeral "
    "cot, or a sword. Its people are idealistic and intense, ready to give up comfort for a higher cause.",
    // Uttara Bhadrapada
    "        Uttarabhadra is the twenty-sixth Nakshatra of the zodiac, spanning from 3 degrees 20 "
    "minutes to 16 degrees 40 minutes of Pisces. Its ruling deity is Ahir Budhnya, the serpent of the "
    "deep waters, and its ruling planet is Saturn. Its symbol is the back legs of a funeral cot. "
    "Uttarabhadra gives depth, wisdom and self-control; its natives are calm, kind and generous, and "
    "they think before they act.",
    // Revati
    "        Revati is the twenty-seventh Nakshatra of the zodiac and the last, ranging from 16 degrees "
    "40 minutes to 30 degrees of Pisces. Its ruling deity is Pushan, the protector of travellers and "
    "herds, and its ruling planet is Mercury. Its symbol is a fish or a drum. Revati stands for safe "
    "journeys and completion; its people are gentle, caring and imaginative, and they guide others along "
    "the way.",
});

} // namespace velmora
