#include "places/place_names.h"

#include <array>

namespace velmora::places {

namespace {

// Former, short and Tamil-script names of the large cities of southern India,
// the metropolitan cities of India, and the cities of Sri Lanka, Malaysia,
// Singapore and Myanmar where Tamil is spoken.
constexpr auto kOtherNames = std::to_array<OtherName>({
    {"Madras", "Chennai", "IN"},
    {"சென்னை", "Chennai", "IN"},
    {"மதராஸ்", "Chennai", "IN"},
    {"மதுரை", "Madurai", "IN"},
    {"Kovai", "Coimbatore", "IN"},
    {"கோயம்புத்தூர்", "Coimbatore", "IN"},
    {"கோவை", "Coimbatore", "IN"},
    {"Trichy", "Tiruchirappalli", "IN"},
    {"Tiruchi", "Tiruchirappalli", "IN"},
    {"Trichinopoly", "Tiruchirappalli", "IN"},
    {"திருச்சிராப்பள்ளி", "Tiruchirappalli", "IN"},
    {"திருச்சி", "Tiruchirappalli", "IN"},
    {"சேலம்", "Salem", "IN"},
    {"Nellai", "Tirunelveli", "IN"},
    {"Tinnevelly", "Tirunelveli", "IN"},
    {"திருநெல்வேலி", "Tirunelveli", "IN"},
    {"வேலூர்", "Vellore", "IN"},
    {"ஈரோடு", "Erode", "IN"},
    {"Tuticorin", "Thoothukudi", "IN"},
    {"தூத்துக்குடி", "Thoothukudi", "IN"},
    {"Tanjore", "Thanjavur", "IN"},
    {"தஞ்சாவூர்", "Thanjavur", "IN"},
    {"Conjeevaram", "Kanchipuram", "IN"},
    {"காஞ்சிபுரம்", "Kanchipuram", "IN"},
    {"நாகர்கோவில்", "Nagercoil", "IN"},
    {"திண்டுக்கல்", "Dindigul", "IN"},
    {"கும்பகோணம்", "Kumbakonam", "IN"},
    {"Udhagamandalam", "Ooty", "IN"},
    {"Ootacamund", "Ooty", "IN"},
    {"உதகமண்டலம்", "Ooty", "IN"},
    {"Pondicherry", "Puducherry", "IN"},
    {"Pondy", "Puducherry", "IN"},
    {"புதுச்சேரி", "Puducherry", "IN"},
    {"Thiruvananthapuram", "Trivandrum", "IN"},
    {"திருவனந்தபுரம்", "Trivandrum", "IN"},
    {"Cochin", "Kochi", "IN"},
    {"கொச்சி", "Kochi", "IN"},
    {"Calicut", "Kozhikode", "IN"},
    {"கோழிக்கோடு", "Kozhikode", "IN"},
    {"Trichur", "Thrissur", "IN"},
    {"திருச்சூர்", "Thrissur", "IN"},
    {"Quilon", "Kollam", "IN"},
    {"கொல்லம்", "Kollam", "IN"},
    {"Alleppey", "Alappuzha", "IN"},
    {"Palghat", "Palakkad", "IN"},
    {"Cannanore", "Kannur", "IN"},
    {"Bangalore", "Bengaluru", "IN"},
    {"பெங்களூரு", "Bengaluru", "IN"},
    {"பெங்களூர்", "Bengaluru", "IN"},
    {"Mysuru", "Mysore", "IN"},
    {"மைசூர்", "Mysore", "IN"},
    {"Mangaluru", "Mangalore", "IN"},
    {"மங்களூர்", "Mangalore", "IN"},
    {"Hubballi", "Hubli", "IN"},
    {"Belagavi", "Belgaum", "IN"},
    {"Kalaburagi", "Gulbarga", "IN"},
    {"Vizag", "Visakhapatnam", "IN"},
    {"Waltair", "Visakhapatnam", "IN"},
    {"விசாகப்பட்டினம்", "Visakhapatnam", "IN"},
    {"Bezawada", "Vijayawada", "IN"},
    {"விஜயவாடா", "Vijayawada", "IN"},
    {"நெல்லூர்", "Nellore", "IN"},
    {"திருப்பதி", "Tirupati", "IN"},
    {"ஹைதராபாத்", "Hyderabad", "IN"},
    {"ஐதராபாத்", "Hyderabad", "IN"},
    {"வாரங்கல்", "Warangal", "IN"},
    {"Bombay", "Mumbai", "IN"},
    {"மும்பை", "Mumbai", "IN"},
    {"Calcutta", "Kolkata", "IN"},
    {"கொல்கத்தா", "Kolkata", "IN"},
    {"டெல்லி", "Delhi", "IN"},
    {"தில்லி", "Delhi", "IN"},
    {"புது தில்லி", "New Delhi", "IN"},
    {"அகமதாபாத்", "Ahmedabad", "IN"},
    {"Poona", "Pune", "IN"},
    {"புனே", "Pune", "IN"},
    {"Allahabad", "Prayagraj", "IN"},
    {"Benares", "Varanasi", "IN"},
    {"Banaras", "Varanasi", "IN"},
    {"வாரணாசி", "Varanasi", "IN"},
    {"Gurugram", "Gurgaon", "IN"},
    {"கொழும்பு", "Colombo", "LK"},
    {"யாழ்ப்பாணம்", "Jaffna", "LK"},
    {"கண்டி", "Kandy", "LK"},
    {"திருகோணமலை", "Trincomalee", "LK"},
    {"மட்டக்களப்பு", "Batticaloa", "LK"},
    {"காலி", "Galle", "LK"},
    {"கோலாலம்பூர்", "Kuala Lumpur", "MY"},
    {"Penang", "George Town", "MY"},
    {"பினாங்கு", "George Town", "MY"},
    {"ஈப்போ", "Ipoh", "MY"},
    {"ஜொகூர் பாரு", "Johor Bahru", "MY"},
    {"கிள்ளான்", "Klang", "MY"},
    {"Melaka", "Malacca", "MY"},
    {"மலாக்கா", "Malacca", "MY"},
    {"Singapura", "Singapore", "SG"},
    {"சிங்கப்பூர்", "Singapore", "SG"},
    {"Rangoon", "Yangon", "MM"},
    {"ரங்கூன்", "Yangon", "MM"},
    {"யாங்கோன்", "Yangon", "MM"},
    {"மண்டலே", "Mandalay", "MM"},
    {"Naypyidaw", "Nay Pyi Taw", "MM"},
    {"Moulmein", "Mawlamyine", "MM"},
});
static_assert(kOtherNames.size() == 103);

// Centres to a ten-thousandth of a degree, north and east positive.
constexpr auto kCityStates = std::to_array<CityState>({
    {"Singapore", "Singapore", "SG", "Asia/Singapore", 1.2897, 103.8501, 5637000},
    {"Macao", "Macao", "MO", "Asia/Macau", 22.2006, 113.5461, 683000},
    {"Gibraltar", "Gibraltar", "GI", "Europe/Gibraltar", 36.1441, -5.3526, 32700},
    {"Vatican City", "Vatican City", "VA", "Europe/Vatican", 41.9024, 12.4533, 800},
});
static_assert(kCityStates.size() == 4);

} // namespace

std::span<const OtherName> OtherNames() {
    return kOtherNames;
}

std::span<const CityState> CityStates() {
    return kCityStates;
}

} // namespace velmora::places
