#pragma once

#include "places/form_values.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <functional>
#include <string>

class QWidget;

namespace velmora {

// The place look-up is a module of its own, loaded when the look-up first opens, so that the
// gazetteer's and the time-zone database's libraries cost the window's start nothing. This is
// what the program and the module share: the module's entry points, found by their names.

struct LocationLookupRequest {
    QString query; // "City State Country Latitude Longitude", as the form builds it
    QDate birthDate;
    QTime birthTime;
    QString siteAddress;
    // The compass words and cautions in the window's language; they point into the program's own
    // tables, which outlive every window.
    PlaceLabels placeLabels;
};

using PlaceChosenHandler = std::function<void(const places::PlaceFormValues&)>;

// Opens the look-up window as a child of `parent`; `onChosen` receives the place the user picks.
using OpenLocationLookupFunction = QWidget* (*)(const LocationLookupRequest& request,
                                                const PlaceChosenHandler& onChosen, QWidget* parent);

inline constexpr char kOpenLocationLookupSymbol[] = "velmora_open_location_lookup";

// The clocks of an IANA time zone from the time-zone database, or nullptr for a zone it does not
// know: a place chosen in the look-up keeps its zone, whose offset changes from date to date. The
// caller owns the clock (a plain pointer, as a function with C linkage returns).
using FindZoneClockFunction = LocalClock* (*)(const std::string& timeZoneId);

inline constexpr char kFindZoneClockSymbol[] = "velmora_find_zone_clock";

} // namespace velmora
