#include "app/location_lookup/location_lookup_entry.h"

#include "app/location_lookup/location_lookup.h"
#include "app/location_lookup/location_lookup_window.h"

extern "C" Q_DECL_EXPORT QWidget* velmora_open_location_lookup(const velmora::LocationLookupRequest& request,
                                                               const velmora::PlaceChosenHandler& onChosen,
                                                               QWidget* parent) {
    velmora::LocationLookupWindow* window =
        velmora::LocationLookup(request.query, request.birthDate, request.birthTime, request.siteAddress,
                                request.placeLabels, parent);
    QObject::connect(window, &velmora::LocationLookupWindow::placeChosen, window, onChosen);
    return window;
}

// The name the program looks for and the function's type are checked here, where both are known.
static_assert(std::is_same_v<decltype(&velmora_open_location_lookup), velmora::OpenLocationLookupFunction>);
