#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "model/ids.h"

#include "texts/localized.h"

class QPagedPaintDevice;
class QTextDocument;

namespace velmora {

class ReadingSession;

// A report is a title over sections: each a heading, rows of a caption and its value, an optional
// picture of a bird, and paragraphs.
struct ReportRow {
    QString caption;
    QString value;
};

struct ReportSection {
    QString heading;
    std::vector<ReportRow> rows;
    std::optional<Bird> birdPicture;
    QStringList paragraphs;
};

// The sections as a document, every text inserted as plain text.
std::unique_ptr<QTextDocument> BuildReport(const QString& title, const std::vector<ReportSection>& sections);

// The report's pages as a PDF file at `path`, written whole or not at all, any older
// file kept on failure. Returns why it failed, or nothing.
std::optional<QString> WriteReportPdf(QTextDocument& document, const QString& path);

// The whole reading of a session on paper: the birth data as entered (a reopened file
// keeps none, and the page says so), the six values, the bird's picture and the
// paragraphs of the four tabs. Every text goes in as plain text, never as markup.
// The reading's names and paragraphs are those of `language`; the captions follow
// the installed translation, which the window keeps in the same language.
std::unique_ptr<QTextDocument> BuildReadingReport(const ReadingSession& session,
                                                  Language language = Language::English);

// The same reading as plain text, for the clipboard.
QString ReadingReportText(const ReadingSession& session, Language language = Language::English);

// A4, or Letter where the system's measurements are those of the United States.
QPageSize::PageSizeId LocalPaperSize();

// The margins every report page gets; the printer's own page size is kept.
void SetReportMargins(QPagedPaintDevice& device);

// Lays the document out on the device's pages, the program's caption and the page
// number in each page's footer. False when the device cannot be painted on.
bool PaintReadingReport(QTextDocument& document, QPagedPaintDevice& device);

// Writes the report as a PDF file at `path`, as a saved reading is written: whole
// or not at all, any older file kept on failure. Returns why it failed, or nothing.
std::optional<QString> WriteReadingPdf(const ReadingSession& session, const QString& path,
                                       Language language = Language::English);

} // namespace velmora
