#include "app/location_lookup/location_lookup_entry.h"

#include "app/location_lookup/location_lookup.h"
#include "app/location_lookup/location_lookup_window.h"
#include "places/zone_clock.h"

extern "C" Q_DECL_EXPORT QWidget* velmora_open_location_lookup(const velmora::LocationLookupRequest& request,
                                                               const velmora::PlaceChosenHandler& onChosen,
                                                               QWidget* parent) {
    velmora::LocationLookupWindow* window =
        velmora::LocationLookup(request.query, request.birthDate, request.birthTime, request.siteAddress,
                                request.placeLabels, parent);
    QObject::connect(window, &velmora::LocationLookupWindow::placeChosen, window, onChosen);
    return window;
}

extern "C" Q_DECL_EXPORT velmora::LocalClock* velmora_find_zone_clock(const std::string& timeZoneId) {
    std::optional<velmora::places::ZoneClock> clock = velmora::places::ZoneClock::Find(timeZoneId);
    return clock ? new velmora::places::ZoneClock(*clock) : nullptr;
}

// The names the program looks for and the functions' types are checked here, where both are known.
static_assert(std::is_same_v<decltype(&velmora_open_location_lookup), velmora::OpenLocationLookupFunction>);
static_assert(std::is_same_v<decltype(&velmora_find_zone_clock), velmora::FindZoneClockFunction>);
