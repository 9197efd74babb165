#pragma once

#include <QColor>

#include "model/ids.h"

namespace velmora {

// One colour per activity, the same in light and dark themes: blue through yellow to vermilion
// from Ruling to Dying, colours that readers with any common colour blindness tell apart by
// their lightness. Each fill has the ink that reads on it; the activity's letter is drawn too.
QColor ActivityFill(Activity activity);
QColor ActivityInk(Activity activity);

} // namespace velmora
