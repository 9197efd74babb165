#include "texts/paragraphs.h"

namespace velmora {

const std::array<std::string_view, 27> PakshiDescriptionTable = {
    "        As per Panch-Pakshi Shastra, the bird of Ashwini is Vulture.",
    "        As per Panch-Pakshi Shastra, the bird of Bharani is Vulture.",
    "        As per Panch-Pakshi Shastra, the bird of Krittika is Vulture.",
    "        As per Panch-Pakshi Shastra, the bird of Rohini is Vulture.",
    "        As per Panch-Pakshi Shastra, the bird of Mrigasira is Vulture.",
    "        As per Panch-Pakshi Shastra, the bird of Ardra is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Punarvasu is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Pushya is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Aslesha is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Magha is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Poorvaphalguni is Owl.",
    "        As per Panch-Pakshi Shastra, the bird of Uttarphalguni is Crow.",
    "        As per Panch-Pakshi Shastra, the bird of Hasta is Crow.",
    "        As per Panch-Pakshi Shastra, the bird of Chitra is Crow.",
    "        As per Panch-Pakshi Shastra, the bird of Swati is Crow.",
    "        As per Panch-Pakshi Shastra, the bird of Vishakha is Crow.",
    "        As per Panch-Pakshi Shastra, the bird of Anuradha is Cock.",
    "        As per Panch-Pakshi Shastra, the bird of Jyeshta is Cock.",
    "        As per Panch-Pakshi Shastra, the bird of Moola is Cock.",
    "        As per Panch-Pakshi Shastra, the bird of Poorvashada is Cock.",
    "        As per Panch-Pakshi Shastra, the bird of Uttarashada is Cock.",
    "        As per Panch-Pakshi Shastra, the bird of Sravana is Peacock.",
    "        As per Panch-Pakshi Shastra, the bird of Dhanishtha is Peacock.",
    "        As per Panch-Pakshi Shastra, the bird of Satabisha is Peacock.",
    "        As per Panch-Pakshi Shastra, the bird of Poorvabhadra is Peacock.",
    "        As per Panch-Pakshi Shastra, the bird of Uttarabhadra is Peacock.",
    "        As per Panch-Pakshi Shastra, the bird of Revati is Peacock.",
};

} // namespace velmora
