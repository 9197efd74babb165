#pragma once

#include <QString>
#include <memory>

#include "app/birds_day/day_facts.h"

class QTextDocument;

namespace velmora {

// The day on paper: its facts, then each period with its sub-periods, then the tables' source.
std::unique_ptr<QTextDocument> BuildDayReport(const ShownDay& day, const LocalClock& clock,
                                              Language language);

} // namespace velmora
