#include "app/reading_sharing.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/reading_report.h"
#include "platform/platform.h"

namespace velmora {

void PrintReading(Platform& platform, QWidget* parent, const ReadingSession& session) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Velmora reading")); // the print job's name
    SetReportMargins(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Reading"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::unique_ptr<QTextDocument> document = BuildReadingReport(session);
    if (!PaintReadingReport(*document, printer)) {
        platform.ShowMessage(parent, QStringLiteral("The reading could not be printed."), MessageIcon::Error);
    }
}

void ExportReadingPdf(Platform& platform, QWidget* parent, const ReadingSession& session) {
    const QString fileName = platform.GetSaveFileName(
        parent, {QStringLiteral("Export as PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")});
    if (fileName.isEmpty()) {
        return;
    }
    if (!WriteReadingPdf(session, fileName)) {
        platform.ShowMessage(parent,
                             QStringLiteral("The reading could not be exported to %1.")
                                 .arg(QDir::toNativeSeparators(fileName)),
                             MessageIcon::Error);
    }
}

void CopyReading(const ReadingSession& session) {
    QGuiApplication::clipboard()->setText(ReadingReportText(session));
}

} // namespace velmora
