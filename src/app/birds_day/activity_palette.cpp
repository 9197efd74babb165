#include "app/birds_day/activity_palette.h"

#include <array>

namespace velmora {

namespace {

struct Swatch {
    QRgb fill;
    QRgb ink;
};

// Okabe and Ito's colour-blind-safe set, in the order of the activities.
constexpr std::array<Swatch, kActivityCount> kSwatches{{
    {0xff0072b2, 0xffffffff}, // Ruling: blue
    {0xff56b4e9, 0xff000000}, // Eating: sky blue
    {0xfff0e442, 0xff000000}, // Walking: yellow
    {0xffe69f00, 0xff000000}, // Sleeping: orange
    {0xffd55e00, 0xff000000}, // Dying: vermilion
}};

} // namespace

QColor ActivityFill(Activity activity) {
    return QColor::fromRgba(kSwatches[IndexOf(activity)].fill);
}

QColor ActivityInk(Activity activity) {
    return QColor::fromRgba(kSwatches[IndexOf(activity)].ink);
}

} // namespace velmora
