#pragma once

#include "app/location_lookup/location_lookup_entry.h"

#include <QStringList>

namespace velmora {

// The look-up module's files, in the order tried: beside the installed program; then, for a
// program started from inside the build tree (the tests), the module built there.
QStringList LocationLookupModuleFiles();

// The module's entry point from the first of `files` that loads, or nullptr with `error` set to a
// message for the user. A loaded module stays loaded: its windows may outlive any caller.
OpenLocationLookupFunction LoadLocationLookup(const QStringList& files, QString* error);

// Loads the module from LocationLookupModuleFiles() and opens its window; nullptr with `error` set
// when it cannot be loaded.
QWidget* OpenLocationLookup(const LocationLookupRequest& request, const PlaceChosenHandler& onChosen,
                            QWidget* parent, QString* error);

// The clocks of the IANA zone `timeZoneId`, through the module; nullptr with `error` set when the
// module cannot be loaded or the database does not know the zone.
std::unique_ptr<LocalClock> FindZoneClock(const std::string& timeZoneId, QString* error);

} // namespace velmora
