#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "texts/localized.h"

class QTextDocument;
class QWidget;

namespace velmora {

class Platform;
class ReadingSession;

// The printer dialog titled `dialogTitle`, then the document that `build` makes on the chosen
// printer as a job called `jobName`; `failure` is said when it cannot be printed.
void PrintReport(Platform& platform, QWidget* parent,
                 const std::function<std::unique_ptr<QTextDocument>()>& build, const QString& jobName,
                 const QString& dialogTitle, const QString& failure);

// Asks where through the platform, then writes the document that `build` makes there as a PDF;
// `failure` is said with the file's name (%1) and the reason (%2) when it cannot be written.
void ExportReportPdf(Platform& platform, QWidget* parent,
                     const std::function<std::unique_ptr<QTextDocument>()>& build, const QString& failure);

// The report is in `language`, the window's language.

// File > Print...: the printer dialog, then the report on the chosen printer.
void PrintReading(Platform& platform, QWidget* parent, const ReadingSession& session, Language language);

// File > Export as PDF...: asks where through the platform, then writes the report there.
void ExportReadingPdf(Platform& platform, QWidget* parent, const ReadingSession& session, Language language);

// Edit > Copy Reading: the report as plain text on the clipboard.
void CopyReading(const ReadingSession& session, Language language);

} // namespace velmora
