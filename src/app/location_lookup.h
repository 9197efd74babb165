#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The place look-up: opens a non-modal window listing the places of the
// offline gazetteer that match `query` ("City State Country Latitude Longitude"),
// with their coordinates and UTC offset. It never writes into the caller.
void LocationLookup(const QString& query, const QString& siteAddress, QWidget* parent);

} // namespace velmora
