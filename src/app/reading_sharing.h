#pragma once

#include "texts/localized.h"

class QWidget;

namespace velmora {

class Platform;
class ReadingSession;

// The report is in `language`, the window's language.

// File > Print...: the printer dialog, then the report on the chosen printer.
void PrintReading(Platform& platform, QWidget* parent, const ReadingSession& session, Language language);

// File > Export as PDF...: asks where through the platform, then writes the report there.
void ExportReadingPdf(Platform& platform, QWidget* parent, const ReadingSession& session, Language language);

// Edit > Copy Reading: the report as plain text on the clipboard.
void CopyReading(const ReadingSession& session, Language language);

} // namespace velmora
