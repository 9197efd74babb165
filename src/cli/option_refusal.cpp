#include "cli/option_refusal.h"

#include <ostream>

#include "texts/printable.h"

namespace velmora {

int ReportRefusal(const OptionRefusal& refusal, std::ostream& errors) {
    errors << "velmora-cli: " << EscapeControls(refusal.message) << '\n';
    return refusal.exitStatus;
}

} // namespace velmora
