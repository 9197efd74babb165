#include "texts/paragraphs.h"

namespace velmora {

// The bird each star has in the bright fortnight, and the people born under it.
// to_array counts the paragraphs; a missing or extra one fails to convert.
const std::array<std::string_view, kStarCount> PakshiDescriptionTable = std::to_array<std::string_view>({
    // Ashwini
    "        As per Panch-Pakshi Shastra, the bird of Ashwini is Vulture. The vulture soars higher than "
    "any other bird and sees the whole land below, and you share its wide view and its patience. You are "
    "quick to act once you have made up your mind, and you often hold others up when they are weak, "
    "which makes you a natural healer and helper. You tend to have a lean, active build, a bright "
    "forehead and lively eyes that miss very little. Your fortunes rise through your own initiative: new "
    "ventures, travel and work that needs courage suit you well. Guard against haste and impatience, and "
    "you will enjoy good health and a respected name for most of your life.",
    // Bharani
    "        As per Panch-Pakshi Shastra, the bird of Bharani is Vulture. Like the vulture that clears "
    "away what is finished, you are not afraid of endings, and you have the strength to carry burdens "
    "that would make others give up. You are frank, loyal and firm in your likes and dislikes, and once "
    "you take on a duty you see it through. People often notice your clear complexion, strong teeth and "
    "steady gaze. You enjoy good food, music and the comforts of home, and you can earn well through the "
    "arts, through trade or in positions of trust. Your middle years usually bring the greatest success. "
    "Learn to forgive small wrongs, and your family life will be warm and secure.",
    // Krittika
    "        As per Panch-Pakshi Shastra, the bird of Krittika is Vulture. The vulture's sharp eye and "
    "the fire of your star together give you a keen, cutting intelligence and a strong sense of right "
    "and wrong. You speak your mind plainly and dislike flattery, so some people find you stern, but "
    "those who know you value your honesty. You usually have a well-built body, a broad face and a "
    "confident walk. You are ambitious and able to work long hours, and you rise through discipline "
    "rather than luck. Careers in command, cooking, medicine, engineering or the law suit you. Your "
    "temper cools as quickly as it flares; if you soften your words, you will keep many loyal friends.",
    // Rohini
    "        As per Panch-Pakshi Shastra, the bird of Rohini is Vulture. Though your bird is the mighty "
    "vulture, your star gives it a gentle heart, and you combine great staying power with charm and "
    "grace. You are attractive, with soft eyes, a pleasant smile and a graceful manner, and people are "
    "drawn to you easily. You love beauty, good clothes, gardens and fine food, and you have a talent "
    "for making things grow, whether a business, a home or a family. Money comes to you steadily and you "
    "know how to keep it. You can be stubborn when you feel pressed, and a little possessive in love. "
    "Farming, fashion, the arts and trade in goods are fortunate fields for you.",
    // Mrigasira
    "        As per Panch-Pakshi Shastra, the bird of Mrigasira is Vulture. Your bird searches far and "
    "wide before it settles, and you too are a seeker, always curious about new places, ideas and "
    "people. You have a slim, agile body, a long neck or face and quick, watchful eyes. You talk well, "
    "learn languages and skills with ease, and enjoy reading, writing and research. Your restlessness "
    "can make you change jobs or homes often, yet every move adds to your knowledge. You are gentle and "
    "sensitive beneath a lively surface, and you dislike quarrels. Fortune favours you in teaching, "
    "travel, sales and writing. When you learn to finish what you begin, your life becomes rich and "
    "satisfying.",
    // Ardra
    "        As per Panch-Pakshi Shastra, the bird of Ardra is Owl. The owl sees clearly in the dark, "
    "and you have the gift of finding the truth where others see only confusion. Your star is stormy, so "
    "your life may pass through sudden changes and trials, but each one leaves you wiser and stronger. "
    "You are thoughtful, inquiring and sometimes blunt, with a sharp memory and a love of facts. You "
    "often have striking eyes, a fair or ruddy complexion and an expressive face. You do well in "
    "science, computing, research, medicine and any work that needs deep analysis. Learn to let go of "
    "old hurts, and your later years will bring you peace, comfort and the respect you have earned.",
    // Punarvasu
    "        As per Panch-Pakshi Shastra, the bird of Punarvasu is Owl. The owl is the bird of wisdom, "
    "and your star is the star of renewal, so you carry within you a calm kind of hope that helps you "
    "begin again after every setback. You are good-natured, truthful and easily satisfied, and you "
    "prefer a simple life to show and luxury. Friends come to you for advice because you listen without "
    "judging. You usually have a pleasant face, long limbs and a kindly expression. You love travel, "
    "books and spiritual learning, and you make a fine teacher, writer or counsellor. Money may come and "
    "go, yet you never lack what you truly need, and your home is a place of warmth.",
    // Pushya
    "        As per Panch-Pakshi Shastra, the bird of Pushya is Owl. The owl keeps watch over the night, "
    "and you keep watch over the people you love; caring for others is the centre of your nature. You "
    "are calm, patient and devoted, and you are respected for your sense of duty and your steady good "
    "sense. You tend to have a well-proportioned body, a round face and a gentle voice. You do best in "
    "service, teaching, religious work, government and any work where you feed, protect or guide others. "
    "Your early years may be hard, but your fortunes grow steadily with age. Do not let worry or too "
    "much self-sacrifice wear you down, and you will enjoy a long and honoured life.",
    // Ashlesha
    "        As per Panch-Pakshi Shastra, the bird of Aslesha is Owl. Your bird moves silently and sees "
    "what others miss, and you have a shrewd, penetrating mind that reads people and situations quickly. "
    "You are clever with words and can be very persuasive, and you keep your own plans to yourself until "
    "the time is right. Your eyes are often small and piercing and your face expressive. You make a "
    "capable business person, politician, researcher or healer, and you know how to turn difficult "
    "situations to your advantage. Trust comes slowly to you, and you may feel misunderstood. When you "
    "use your insight to help rather than to control, you win loyal friends and lasting success.",
    // Magha
    "        As per Panch-Pakshi Shastra, the bird of Magha is Owl. The owl was always a bird of old "
    "wisdom, and your star is the throne of the ancestors, so you feel a deep respect for your family, "
    "your traditions and the people who came before you. You are proud, dignified and generous, and you "
    "like to be treated with honour. You often have a commanding presence, a strong chest and a noble "
    "bearing. Leadership comes naturally, and you can rise to positions of authority in government, "
    "management or public life. You are loyal to those who serve you well. Beware of vanity and quick "
    "anger, and you will enjoy wealth, comfort and the goodwill of many people.",
    // Poorva Phalguni
    "        As per Panch-Pakshi Shastra, the bird of Poorvaphalguni is Owl. The owl is at ease in the "
    "quiet hours, and you too know how to relax and enjoy life. You are warm, friendly and generous, "
    "with a gift for conversation, music and the arts, and people like to be around you. You usually "
    "have an attractive appearance, a bright smile and soft, expressive eyes. You love comfort, travel "
    "and beautiful things, and you spend freely on those you love. Your career may lie in entertainment, "
    "design, hospitality or any work with people. Marriage and partnership play a big part in your "
    "happiness. Avoid laziness and overindulgence, and good fortune will stay with you.",
    // Uttara Phalguni
    "        As per Panch-Pakshi Shastra, the bird of Uttarphalguni is Crow. The crow is the most social "
    "of birds, always working for its flock, and you are a dependable friend and partner who keeps every "
    "promise. You are sincere, hard-working and helpful, and you find joy in being useful to others. You "
    "often have a tall, well-built frame and a pleasant, open face. You do well in administration, "
    "public service, social work and any field that needs a steady hand. Your fortunes rise through "
    "patience and good relationships rather than luck, and you usually become comfortable in your middle "
    "years. Your marriage tends to be stable and loving. Learn to ask for help too.",
    // Hasta
    "        As per Panch-Pakshi Shastra, the bird of Hasta is Crow. The crow is known for its clever "
    "use of its beak and claws, and your star is the star of the hand, so you are skilful, practical and "
    "full of ideas. You can make, mend or arrange almost anything, and your sense of humour makes work "
    "feel light. You tend to have expressive hands, a neat appearance and a bright, cheerful face. You "
    "may shine as a craftsperson, artist, surgeon, writer or trader. You like to earn your living by "
    "your own efforts, and you save carefully. At times you worry too much or try to control every "
    "detail. Trust your abilities, and prosperity will grow year by year.",
    // Chitra
    "        As per Panch-Pakshi Shastra, the bird of Chitra is Crow. The crow's sharp eye notices every "
    "shining thing, and you have a fine eye for beauty, colour and form. You are lively, creative and "
    "proud of your work, and you want what you make to be admired. You are often good-looking, with "
    "striking eyes and an attractive, well-shaped body, and you take care over how you dress. You can "
    "succeed in architecture, design, jewellery, fashion, photography or engineering. You enjoy a busy "
    "social life and many friendships, though you can be quick to argue. When you balance your ambition "
    "with patience, your talent will bring you both recognition and a comfortable income.",
    // Swati
    "        As per Panch-Pakshi Shastra, the bird of Swati is Crow. Like the crow that goes wherever it "
    "likes and makes a home anywhere, you value your freedom and adapt easily to new places and people. "
    "You are polite, diplomatic and fair, and you dislike being told what to do. You usually have a "
    "slim, graceful build and a pleasant voice. You have a natural gift for business and trade, and you "
    "may earn well through travel, commerce, law or the media. You learn from everyone you meet. Your "
    "moods can change like the wind, and you may find decisions hard. Once you choose your path, your "
    "independence and sound judgement will carry you steadily to success.",
    // Vishakha
    "        As per Panch-Pakshi Shastra, the bird of Vishakha is Crow. The crow never gives up once it "
    "has chosen a goal, and your star is the star of purpose, so you are determined, ambitious and "
    "willing to work hard for what you want. You have a strong mind, a sharp tongue when needed and "
    "great powers of concentration. You are often of medium height, with bright eyes and a radiant face. "
    "You can do well in politics, research, business or religious life, and your greatest success "
    "usually comes after the age of thirty-five. Your desire to win can make you impatient or jealous of "
    "others. Share your success, and you will be loved as well as admired.",
    // Anuradha
    "        As per Panch-Pakshi Shastra, the bird of Anuradha is Cock. The cock calls the world to wake "
    "and bring everyone together, and you have a rare talent for friendship and cooperation. You are "
    "loyal, disciplined and devoted, and you can organise groups and bring out the best in people. You "
    "often have a pleasant face, fine eyes and a strong, balanced figure. You may find success far from "
    "your place of birth, perhaps abroad. You do well in management, diplomacy, science and any work "
    "where many people must work together. Hard times early in life teach you patience. You keep your "
    "promises, and in return you enjoy respect, steady income and a happy home.",
    // Jyeshtha
    "        As per Panch-Pakshi Shastra, the bird of Jyeshta is Cock. The cock stands proudly at the "
    "head of its yard, and you too are born to lead and to protect those who depend on you. You are "
    "brave, clever and resourceful, with a strong sense of responsibility, and you often take on the "
    "role of the eldest even if you are not. You usually have a firm build and an alert, confident look. "
    "You can excel in administration, the armed forces, the police, politics or any post of command. You "
    "may feel lonely at the top or find it hard to trust others. Be generous with praise and slow to "
    "anger, and you will hold your position and your wealth for a long time.",
    // Moola
    "        As per Panch-Pakshi Shastra, the bird of Moola is Cock. The cock scratches the ground to "
    "find what lies beneath, and you too want to get to the root of everything. You are a deep thinker, "
    "honest and direct, with little patience for pretence or half-truths. You tend to have a well-made "
    "body, fine limbs and bright, clear eyes. Your life may include sudden changes, losses and new "
    "beginnings, but each one frees you from what you no longer need. You are drawn to research, "
    "medicine, philosophy, law or spiritual study. You are kind to those in need. Once you learn to "
    "accept what you cannot change, you will find wealth, peace and happiness.",
    // Purva Ashadha
    "        As per Panch-Pakshi Shastra, the bird of Poorvashada is Cock. The cock is bold and does not "
    "bow to any rival, and your star is called the invincible one, so you rarely accept defeat. You are "
    "proud, independent and full of confidence, and your faith in yourself inspires others. You often "
    "have a charming smile, long arms and a pleasant, open face. You speak persuasively and may do well "
    "in law, teaching, shipping, sales or public speaking. You love water, travel and fine things. You "
    "can be stubborn and may take on too much. Listen to good advice, and your optimism will carry you "
    "through every difficulty to a life of comfort and honour.",
    // Uttara Ashadha
    "        As per Panch-Pakshi Shastra, the bird of Uttarashada is Cock. The cock keeps to its duties "
    "faithfully from dawn to dusk, and you are a person of principle who wins through patient, honest "
    "effort rather than shortcuts. You are responsible, modest and kind, and people trust your sense of "
    "justice. You usually have a tall, upright figure, a broad forehead and a calm expression. You do "
    "well in government, law, teaching or any field that needs integrity. Success may come late, but it "
    "lasts, and your name is remembered with respect. Do not be too hard on yourself or on others, and "
    "make time for rest and for the people you love.",
    // Shravana
    "        As per Panch-Pakshi Shastra, the bird of Sravana is Peacock. The peacock listens for the "
    "first sound of rain and dances with joy, and you too are a fine listener with a cheerful, graceful "
    "spirit. You learn by hearing and remember what you are told, so knowledge, languages and music come "
    "to you easily. You are usually good-looking and well-dressed, with a gentle voice and a pleasing "
    "manner. You may succeed as a teacher, counsellor, broadcaster or adviser. You value tradition and "
    "are generous to those in need. Sometimes you take criticism too much to heart. Trust your own "
    "worth, and you will enjoy a respected place, a happy marriage and steady wealth.",
    // Dhanistha
    "        As per Panch-Pakshi Shastra, the bird of Dhanishtha is Peacock. The peacock dances to the "
    "beat of thunder, and your star is the drum, so rhythm, music and celebration run through your life. "
    "You are lively, generous and brave, and you enjoy being the centre of a happy crowd. You tend to "
    "have a slim, strong body and a bright, attractive face. Your star is linked with wealth, and money "
    "often comes to you through your own efforts in business, music, sport, property or science. You are "
    "ambitious and proud of what you achieve. Be careful not to become boastful or to spend too quickly, "
    "and your later years will be prosperous and full of friends.",
    // Shatabhisha
    "        As per Panch-Pakshi Shastra, the bird of Satabisha is Peacock. The peacock is said to eat "
    "serpents without harm, and your star is the star of a hundred healers, so you have a natural power "
    "to heal and to overcome what harms others. You are independent, truthful and philosophical, and you "
    "often prefer your own company to noisy gatherings. You usually have a broad forehead, soft skin and "
    "thoughtful eyes. You may do well in medicine, astronomy, research, technology or any work that "
    "calls for a scientific mind. Your early life may bring struggles, but your fortunes improve greatly "
    "after the middle years. Open your heart to others, and life will be kind to you.",
    // Poorva Bhadrapada
    "        As per Panch-Pakshi Shastra, the bird of Poorvabhadra is Peacock. The peacock's fiery "
    "colours match the fire of your star, and you are passionate, idealistic and ready to fight for what "
    "you believe in. You can be gentle and kind one moment and fierce the next, and your honesty "
    "sometimes surprises people. You often have a medium build, a long face and a lively, expressive "
    "manner. You can succeed in research, religion, politics, medicine or as an author, and you may earn "
    "well through trade. You are generous to the poor. Learn to control your worries and your temper, "
    "and your courage and vision will bring you respect and comfort.",
    // Uttara Bhadrapada
    "        As per Panch-Pakshi Shastra, the bird of Uttarabhadra is Peacock. The peacock shows great "
    "beauty yet stays calm and stately, and you are a person of depth, wisdom and self-control. You are "
    "kind, patient and generous, and you rarely lose your temper. People trust you with their secrets "
    "and admire your good judgement. You usually have an attractive, gentle face and a well-proportioned "
    "body. You may shine as a teacher, counsellor, writer or in charitable and spiritual work. You earn "
    "enough and are careful with money, and your family life tends to be happy. Beware of laziness, and "
    "your quiet strength will carry you to a long and contented life.",
    // Revati
    "        As per Panch-Pakshi Shastra, the bird of Revati is Peacock. The peacock is a gentle and "
    "beautiful bird that brings joy wherever it goes, and you are a kind, caring and imaginative soul "
    "who loves to nourish and protect others. You are honest, polite and easy to get along with, and you "
    "have a deep love of animals, travel and the arts. You usually have a well-built body, soft skin and "
    "a sweet expression. You may succeed in the arts, hospitality, healing, travel or social work. You "
    "are generous, and sometimes too trusting. Choose your friends wisely, and you will enjoy good "
    "fortune, a loving family and a peaceful old age.",
});

} // namespace velmora
