#pragma once

#include <memory>

#include "app/birds_day/plan_list.h"

class QTextDocument;

namespace velmora {

// A plan on paper: whose it is, where, the dates and the condition, then each day's windows, then
// the tables' source. Captions in the installed translation, names in `language`.
std::unique_ptr<QTextDocument> BuildPlanReport(const ShownPlan& plan, const LocalClock& clock,
                                               Language language);

} // namespace velmora
