#include "texts/paragraphs.h"

namespace velmora {

// The bird each star has in the dark fortnight, and the people born under it.
// The Crow stars keep their bird in both fortnights and say so. to_array
// counts the paragraphs; a missing or extra one fails to convert.
const std::array<std::string_view, kStarCount> DarkPakshiDescriptionTable = std::to_array<std::string_view>({
    // Ashwini
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Ashwini is Peacock. The "
    "peacock spreads its feathers when the clouds gather, and you, born under the swift horse star on a "
    "waning moon, show your best colours when times are hard. You are lively, eager and warm-hearted, "
    "and you love to start new things and to cheer others on. You often have a bright face, quick "
    "movements and a voice that carries. Healing, sport, transport and any work that needs fast "
    "decisions suit you. You are generous with your time, but you may promise more than you can give. "
    "Slow down before you leap, and your courage will bring you good health, loyal friends and a name "
    "people trust.",
    // Bharani
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Bharani is Peacock. The "
    "peacock carries its heavy train with pride, and you carry your responsibilities in the same way, "
    "without complaint and with a certain style. You are passionate, determined and honest about what "
    "you want, and you do not hide from the hard facts of life. People notice your expressive eyes, full "
    "lips and graceful posture. You have a strong creative streak and may earn through the arts, "
    "cosmetics, finance or any work that handles other people's treasures. You can swing between "
    "self-denial and indulgence. Keep a steady middle path, and you will build lasting wealth and a "
    "loving, well-kept home.",
    // Krittika
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Krittika is Peacock. The "
    "peacock is fearless before the snake, and the flame of your star makes you equally bold when you "
    "face what is false or harmful. You are proud, upright and outspoken, with a mind that cuts straight "
    "to the point, and you take great care over your appearance and your good name. You often have a "
    "straight nose, a firm chin and a clear, ringing voice. You do well as a leader, chef, critic, "
    "soldier or craftsperson who works with fire or metal. Your pride can turn into sharpness when you "
    "feel slighted. Let kindness temper your judgements, and your hard work will be rewarded with "
    "respect and comfort.",
    // Rohini
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Rohini is Peacock. Of all "
    "the birds the peacock is the most admired for its beauty, and your star, the favourite of the Moon, "
    "doubles that gift, so you are charming, graceful and easy to love. You have an eye for colour, "
    "music and fine things, and your home is usually comfortable and well arranged. You tend to have "
    "large, soft eyes, a clear skin and a gentle smile. You can prosper through the arts, dairy and "
    "farming, fashion, hotels or trade in luxury goods. You enjoy being admired, may be hurt when you "
    "are overlooked, and can cling to what you have. Share freely and stay open to change, and your life "
    "will be rich in affection and plenty.",
    // Mrigasira
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Mrigasira is Peacock. The "
    "peacock wanders through the forest looking for the best place to dance, and you too roam in search "
    "of beauty, knowledge and the right company. You are curious, witty and gentle, with a sensitive "
    "heart under your playful manner. You usually have a slender build, fine features and alert, shining "
    "eyes. You learn quickly and do well in writing, music, research, sales or work that takes you from "
    "place to place. You may doubt yourself or lose interest before a task is done. Choose a few goals "
    "and follow them to the end, and your gifts will bring you a comfortable living and many happy "
    "friendships.",
    // Ardra
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Ardra is Cock. The cock "
    "crows loudest just before the dawn, and you, born under the star of the storm, are at your "
    "strongest when the night of trouble is ending. You are bold, outspoken and hard-working, with a "
    "restless mind that questions everything and a talent for fixing what is broken. You often have a "
    "lean, strong body, a sharp gaze and a quick way of speaking. You can succeed in engineering, "
    "electronics, medicine, journalism or research. Your frankness may hurt people you care about, and "
    "you may act in anger. Count to ten before you speak, and the trials of your youth will turn into "
    "steady success and security later in life.",
    // Punarvasu
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Punarvasu is Cock. Each "
    "morning the cock greets a new day as if the old one had never failed, and your star of return gives "
    "you the same power to rise again after every loss. You are cheerful, honest and content with simple "
    "things, and you are happiest when your family is gathered around you. You usually have a kind face, "
    "a good height and a friendly, open manner. You make a fine teacher, priest, writer, guide or trader "
    "in daily goods. You may be too trusting with money or too quick to move on. Keep a little aside for "
    "harder days, and you will never lack food, shelter or friends, and your old age will be calm.",
    // Pushya
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Pushya is Cock. The cock "
    "guards its hens and shares every grain it finds, and you are a natural protector and provider for "
    "your family and community. You are dutiful, modest and dependable, and you feel most at ease when "
    "everyone around you is fed and safe. You tend to have a sturdy body, a round, pleasant face and a "
    "calm, steady voice. You do well in public service, food and farming, teaching, social work or "
    "religious life. You may worry too much and find it hard to say no. Let others carry part of the "
    "load, and your patience will bring you honour, comfort and a long and contented life.",
    // Ashlesha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Aslesha is Cock. The cock is "
    "alert to every movement in the yard, and your star gives you a sharp, watchful mind that "
    "understands the hidden motives of people. You are clever, persuasive and self-reliant, and you know "
    "how to wait for your moment and then act decisively. You often have bright, narrow eyes, a quick "
    "smile and a slim but strong frame. You can excel in business, politics, medicine, law or detective "
    "work. You keep your feelings hidden and may hold grudges for a long time. Use your shrewdness to "
    "protect rather than to get the better of others, and you will gain wealth, influence and friends "
    "who stand by you.",
    // Magha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Magha is Cock. The cock "
    "rules its yard with a proud crest and a loud voice, and you, born under the royal star of the "
    "ancestors, are at home in a position of authority. You are dignified, generous and loyal to your "
    "family line, and you take pride in keeping up its good name. You usually have a broad chest, a "
    "strong voice and a noble bearing that people notice. You can rise in government, management, "
    "politics or any work where you lead and others follow. You may demand too much respect or be quick "
    "to take offence. Lead by example rather than by command, and you will enjoy status, wealth and the "
    "affection of many.",
    // Poorva Phalguni
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Poorvaphalguni is Cock. The "
    "cock struts in the sunshine and enjoys the attention of the whole yard, and you love life, company "
    "and celebration. You are warm, charming and generous, with a flair for music, dance, drama or "
    "design, and you make friends wherever you go. You tend to have an attractive face, a confident walk "
    "and a friendly, easy laugh. You do well in entertainment, the arts, beauty, hospitality or any work "
    "with the public. Love and marriage mean a great deal to you. You may put pleasure before work or "
    "spend beyond your means. Keep a steady routine, and good luck will follow you through life.",
    // Uttara Phalguni
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Uttarphalguni is Crow. Your "
    "bird is the crow in both fortnights, so what is said of you holds whether you were born under a "
    "waxing or a waning moon. Like the crow that works faithfully for its flock, you are a reliable "
    "friend and partner who keeps your word. You are sincere, industrious and glad to be of use, and you "
    "usually have a tall, sturdy frame and an open, honest face. Administration, public service and "
    "social work suit you well. Your fortunes rise through patience and good relationships, and your "
    "middle years bring comfort and a stable, loving marriage. Do not carry everything alone; ask for "
    "help when you need it.",
    // Hasta
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Hasta is Crow. The crow is "
    "your bird in both fortnights, the bright and the dark, so this description holds for you whichever "
    "half of the month you were born in. The crow is clever with its beak and claws, and your star is "
    "the star of the hand, so you are skilful, practical and inventive, able to make or mend almost "
    "anything. You have a lively sense of humour, neat habits and expressive hands. You may shine as a "
    "craftsperson, artist, surgeon, writer or trader, and you prefer to earn by your own effort and save "
    "with care. Worry and the wish to control every detail are your weak points; trust your skills, and "
    "prosperity will grow year by year.",
    // Chitra
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Chitra is Crow. Your bird "
    "stays the crow in both fortnights, so the same nature holds for you under a waning moon as under a "
    "waxing one. With the crow's sharp eye for shining things, you have a fine sense of beauty, colour "
    "and form, and you want your work to be admired. You are lively, creative and well-groomed, often "
    "with striking eyes and a well-shaped body. Architecture, design, jewellery, fashion, photography "
    "and engineering are good fields for you. You enjoy a full social life, though you can be quick to "
    "argue. Balance your ambition with patience, and your talent will bring both recognition and a "
    "comfortable income.",
    // Swati
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Swati is Crow. The crow "
    "rules your star in both fortnights, so what follows holds for you however the moon stood at your "
    "birth. Like the crow that makes a home wherever it lands, you love freedom and adapt easily to new "
    "places and people. You are polite, fair-minded and diplomatic, and you dislike being ordered about. "
    "You usually have a slim, graceful build and a pleasant voice, and you have a gift for trade, law, "
    "travel and the media. Your moods can shift like the wind, and decisions may come hard to you. Once "
    "you choose your path, your independence and sound judgement will carry you steadily to success.",
    // Vishakha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Vishakha is Crow. Your bird "
    "is the crow in the dark fortnight just as in the bright one, so this reading of your nature holds "
    "in both fortnights. The crow never abandons a goal once chosen, and your star is the star of "
    "purpose, so you are determined, ambitious and willing to toil for what you want. You have a strong "
    "mind, great powers of concentration and a sharp tongue when it is needed, and often bright eyes and "
    "a radiant face. Politics, research, business and religious life suit you, and your greatest success "
    "usually comes after thirty-five. The wish to win can make you impatient or jealous; share your "
    "success, and you will be loved as well as admired.",
    // Anuradha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Anuradha is Owl. The owl "
    "keeps its watch through the longest night, and you are a faithful friend who stands by people "
    "through their darkest hours. You are disciplined, patient and deeply loyal, with a gift for "
    "bringing very different people together. You often have a calm face, deep-set eyes and a soft but "
    "firm voice, and you may find your fortune far from where you were born. Research, diplomacy, "
    "mining, psychology and spiritual work suit you well. Hardship early in life teaches you endurance, "
    "but you can brood over old disappointments. Let the past go, and your devotion will be repaid with "
    "respect and a happy home.",
    // Jyeshtha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Jyeshta is Owl. The owl is "
    "silent, watchful and respected by every creature of the night, and you carry the quiet authority of "
    "the eldest, protecting those who rely on you. You are intelligent, resourceful and private, and you "
    "notice far more than you reveal. You usually have a firm build and an intense, searching look. You "
    "can excel in security, intelligence work, administration, occult study or any post where secrets "
    "must be kept. You may feel isolated or suspect others too readily. Open your heart to a few trusted "
    "people and be generous with praise, and your position, wealth and good name will last a long time.",
    // Moola
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Moola is Owl. The owl hunts "
    "among the roots and hollows where others never look, and your star is the star of the root, so you "
    "are driven to uncover the deepest causes of things. You are honest, philosophical and fearless in "
    "asking hard questions, and you care little for show. You often have strong limbs, clear eyes and a "
    "serious, thoughtful expression. You are drawn to medicine, herbal healing, research, law and "
    "spiritual study. Your life may pass through sudden losses and fresh starts, each of which clears "
    "the way for something better. Accept what cannot be changed, and you will find peace, wisdom and "
    "lasting security.",
    // Purva Ashadha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Poorvashada is Owl. The owl "
    "is never defeated by the dark, and your star, the invincible one, gives you the same unshakeable "
    "confidence in yourself and in your cause. You are proud, independent and persuasive, and your faith "
    "inspires those around you. You tend to have a pleasant face, long arms and an easy, winning manner. "
    "You can do well in law, teaching, philosophy, shipping or public speaking, and you are drawn to "
    "water and to long journeys. You may be stubborn, argue for the sake of winning or take on more than "
    "you can finish. Heed wise counsel, and your optimism will carry you to comfort and honour.",
    // Uttara Ashadha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Uttarashada is Owl. The owl "
    "is the patient sage among the birds, and you are a person of principle who wins in the end through "
    "steady, honest work. You are serious, modest and fair, and people trust your judgement when a "
    "quarrel must be settled. You usually have an upright figure, a wide forehead and a composed, "
    "dignified look. You are suited to government, law, teaching, planning or any role where integrity "
    "matters. Your success may come later than you hope, but it lasts, and your name is remembered with "
    "respect. Do not be too severe with yourself or others, and make time to rest with the people you "
    "love.",
    // Shravana
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Sravana is Vulture. The "
    "vulture circles high and patiently, seeing everything below, and your star of listening makes you a "
    "careful learner who gathers knowledge from every source. You are thoughtful, well-spoken and "
    "respectful of tradition, and you remember what others forget. You often have a tall, spare frame, a "
    "composed face and a low, pleasant voice. You do well as a teacher, counsellor, translator, "
    "broadcaster or keeper of records. You may be too sensitive to criticism or too cautious to act. "
    "Trust what you have learned, and you will gain a respected place, a steady income and a harmonious "
    "family life.",
    // Dhanistha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Dhanishtha is Vulture. The "
    "vulture rides the strongest winds without effort, and your star of the drum and of wealth gives you "
    "rhythm, energy and the strength to rise above difficulties. You are brave, ambitious and generous, "
    "and you like to be where the action is. You tend to have a strong, athletic body and a striking, "
    "confident face. Money often comes to you through property, music, sport, engineering or science. "
    "You can be proud, blunt or restless at home, and you may spend as fast as you earn. Keep your "
    "boasts in check and save for later years, and your life will be prosperous and full of loyal "
    "companions.",
    // Shatabhisha
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Satabisha is Vulture. The "
    "vulture cleans the land and keeps disease away, and your star of a hundred healers makes you a born "
    "remedy for the troubles of others. You are independent, truthful and reserved, with a scientific "
    "mind and a liking for solitude. You usually have a broad forehead, calm eyes and a quiet, "
    "self-contained manner. You may do well in medicine, pharmacy, astronomy, technology or research. "
    "Your youth may be marked by struggles and by secrets you keep to yourself, but your fortunes "
    "improve steadily after the middle years. Let others come close to you, and life will repay your "
    "service with kindness and comfort.",
    // Poorva Bhadrapada
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Poorvabhadra is Vulture. The "
    "vulture is fierce yet serves a higher purpose, and the fire of your star gives you a passionate, "
    "idealistic nature that fights for causes larger than yourself. You can be warm and tender one "
    "moment and stern the next, and your sincerity sometimes startles people. You often have a medium "
    "build, a long face and keen, restless eyes. You can succeed in research, religion, politics, "
    "medicine, writing or trade. You are generous to the poor and the suffering. Learn to calm your "
    "anxieties and your temper, and your vision and courage will bring you respect, security and peace "
    "of mind.",
    // Uttara Bhadrapada
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Uttarabhadra is Vulture. The "
    "vulture rests in calm, deep silence between its long flights, and you are a person of great depth, "
    "patience and self-control. You are wise, kind and charitable, and you seldom lose your temper even "
    "when provoked. People confide in you and admire your balanced judgement. You usually have a gentle "
    "face, a well-proportioned body and a composed manner. You may shine as a counsellor, teacher, "
    "writer, manager of charities or in spiritual work. You handle money carefully, and your family life "
    "is generally happy. Beware of inertia, and your quiet strength will lead you to a long and "
    "contented life.",
    // Revati
    "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Revati is Vulture. The "
    "vulture watches over the last stage of every journey, and your star, the final one of the zodiac, "
    "makes you a gentle guide who sees others safely home. You are kind, imaginative and caring, and you "
    "love animals, travel and the arts. You are honest, polite and easy to get along with, and you "
    "usually have soft skin, a well-built body and a sweet, trusting expression. You may succeed in "
    "hospitality, healing, shipping, travel, the arts or social work. You can be too trusting and may be "
    "let down by those you help. Choose your companions wisely, and you will enjoy good fortune, a "
    "loving family and a peaceful old age.",
});

} // namespace velmora
