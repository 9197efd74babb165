#include "app/reading_sharing.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/message_text.h"
#include "app/reading_report.h"
#include "platform/platform.h"

namespace velmora {

// The context of the messages of printing, exporting and copying in the translation files.
class ReadingSharing {
    Q_DECLARE_TR_FUNCTIONS(velmora::ReadingSharing)
};

void PrintReport(Platform& platform, QWidget* parent,
                 const std::function<std::unique_ptr<QTextDocument>()>& build, const QString& jobName,
                 const QString& dialogTitle, const QString& failure) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    SetReportMargins(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::unique_ptr<QTextDocument> document = build();
    if (!PaintReadingReport(*document, printer)) {
        platform.ShowMessage(parent, failure, MessageIcon::Error);
    }
}

void PrintReading(Platform& platform, QWidget* parent, const ReadingSession& session, Language language) {
    PrintReport(
        platform, parent, [&] { return BuildReadingReport(session, language); },
        ReadingSharing::tr("Velmora reading"), // the print job's name
        ReadingSharing::tr("Print Reading"), ReadingSharing::tr("The reading could not be printed."));
}

void ExportReportPdf(Platform& platform, QWidget* parent,
                     const std::function<std::unique_ptr<QTextDocument>()>& build, const QString& failure) {
    const QString fileName =
        platform.GetSaveFileName(parent, {ReadingSharing::tr("Export as PDF"),
                                          ReadingSharing::tr("PDF (*.pdf)"), QStringLiteral("pdf")});
    if (fileName.isEmpty()) {
        return;
    }
    if (const std::optional<QString> reason = WriteReportPdf(*build(), fileName)) {
        platform.ShowMessage(parent, failure.arg(PathInMessage(fileName), *reason), MessageIcon::Error);
    }
}

void ExportReadingPdf(Platform& platform, QWidget* parent, const ReadingSession& session, Language language) {
    ExportReportPdf(
        platform, parent, [&] { return BuildReadingReport(session, language); },
        ReadingSharing::tr("The reading could not be exported to %1: %2"));
}

void CopyReading(const ReadingSession& session, Language language) {
    QGuiApplication::clipboard()->setText(ReadingReportText(session, language));
}

} // namespace velmora
