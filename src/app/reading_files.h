#pragma once

#include <QString>
#include <optional>

#include "reading/saved_reading.h"

class QWidget;

namespace velmora {

class Platform;

// Asks where to save and writes the reading there; a failure is reported to the
// user and leaves any older file of that name whole. A cancelled dialog does nothing.
void SaveReadingFile(Platform& platform, QWidget* parent, const ReadingResults& reading);

// Asks which saved reading to open: the chosen name, or an empty one when cancelled.
QString AskReadingToOpen(Platform& platform, QWidget* parent);

// The reading saved in fileName. Nothing for an empty name, and nothing, after
// telling the user, for a name not ending in "tam" or a file that cannot be read.
std::optional<SavedReadingLines> OpenReadingFile(Platform& platform, QWidget* parent,
                                                 const QString& fileName);

} // namespace velmora
