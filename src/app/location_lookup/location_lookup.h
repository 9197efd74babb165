#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include "texts/language_texts.h"

class QWidget;

namespace velmora {

class LocationLookupWindow;

// The place look-up: opens a non-modal window listing the places that match
// `query` ("City State Country Latitude Longitude") with their coordinates and
// the UTC offset at the birth date and time. Its placeChosen signal gives the
// place the user picks; the window closes then.
LocationLookupWindow* LocationLookup(const QString& query, const QDate& birthDate, const QTime& birthTime,
                                     const QString& siteAddress, const PlaceLabels& labels, QWidget* parent);

} // namespace velmora
