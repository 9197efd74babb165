#include "app/reading_report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>
#include <vector>

#include "app/program_caption.h"
#include "app/reading_files.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "files/replace_file.h"
#include "reading/reading_session.h"
#include "texts/names.h"

static void InitReportResources() {
    Q_INIT_RESOURCE(resources);
}

namespace velmora {

// The context of the report's captions in the translation files.
class ReadingReport {
    Q_DECLARE_TR_FUNCTIONS(velmora::ReadingReport)
};

namespace {

constexpr qreal kMarginMm = 20.0;
constexpr qreal kBodyPt = 10.5;
constexpr qreal kHeadingPt = 13.0;
constexpr qreal kTitlePt = 17.0;
constexpr qreal kFooterPt = 8.0;
constexpr int kPictureSidePx = 240; // drawn 1.25 inch wide
constexpr qreal kPictureWidthPx = 120.0;

QString TwoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString ZoneText(const BirthRecord& record) {
    QString sign;
    if (record.TypedZoneSign == ZoneSign::Ahead) {
        sign = QStringLiteral("+");
    } else if (record.TypedZoneSign == ZoneSign::Behind) {
        sign = QStringLiteral("-");
    }
    QString text =
        QStringLiteral("%1%2:%3").arg(sign).arg(record.ZoneHours).arg(TwoDigits(record.ZoneMinutes));
    if (record.TypedZoneSign == ZoneSign::Unsigned) {
        text += ReadingReport::tr(" (its direction from the longitude)");
    }
    return text;
}

QString AngleText(int degrees, int minutes, const QString& side) {
    return QStringLiteral("%1\u00b0 %2' %3").arg(degrees).arg(TwoDigits(minutes), side);
}

ReportSection BirthSection(const ReadingSession& session, Language language) {
    ReportSection section{ReadingReport::tr("Birth data"), {}, std::nullopt, {}};
    if (session.Results().asRead) {
        section.paragraphs.append(
            ReadingReport::tr("This reading was opened from a saved file, which keeps no birth data."));
        return section;
    }
    const BirthRecord& record = session.Record();
    const QString date = QStringLiteral("%1 %2 %3")
                             .arg(record.BirthDay)
                             .arg(MonthName(std::size_t(record.BirthMonth - 1)))
                             .arg(record.BirthYear);
    const PlaceLabels& compass = TextsOf(language).placeLabels;
    const QString east = FromCore(compass.east, language);
    const QString west = FromCore(compass.west, language);
    const QString north = FromCore(compass.north, language);
    const QString south = FromCore(compass.south, language);
    section.rows = {
        {ReadingReport::tr("Name"), QString::fromStdString(record.BirthName)},
        {ReadingReport::tr("Date of birth"), date},
        {ReadingReport::tr("Time of birth"),
         QStringLiteral("%1:%2").arg(TwoDigits(record.BirthHour), TwoDigits(record.BirthMinute))},
        {ReadingReport::tr("Time zone"), ZoneText(record)},
        {ReadingReport::tr("Daylight saving"),
         record.DaylightSaving ? ReadingReport::tr("Yes") : ReadingReport::tr("No")},
        {ReadingReport::tr("Longitude"),
         AngleText(record.LongitudeDegrees, record.LongitudeMinutes, record.LongitudeEast ? east : west)},
        {ReadingReport::tr("Latitude"),
         AngleText(record.LatitudeDegrees, record.LatitudeMinutes, record.LatitudeSouth ? south : north)},
    };
    return section;
}

// Paragraphs the reading has not filled yet are left out.
void AddParagraph(ReportSection& section, std::string_view text, Language language) {
    if (!text.empty()) {
        section.paragraphs.append(FromCore(text, language));
    }
}

std::vector<ReportSection> Sections(const ReadingSession& session, Language language) {
    const ReadingResults& results = session.Results();
    const LocalizedReading reading = Localize(results, language);
    const ReadingLines& lines = reading.lines;
    auto text = [language](std::string_view core) { return FromCore(core, language); };
    std::vector<ReportSection> sections{BirthSection(session, language)};

    ReportSection star{ReadingReport::tr("Nakshatra / Birth Star"),
                       {{ReadingReport::tr("Nakshatra / BirthStar"), text(lines.star)}},
                       std::nullopt,
                       {}};
    const LanguageTexts& texts = TextsOf(language);
    AddParagraph(star, texts.nakshatraExplanation, language);
    AddParagraph(star, reading.texts.description, language);
    sections.push_back(star);

    ReportSection fortnight{ReadingReport::tr("Tithi / Lunar Day"),
                            {{ReadingReport::tr("Fortnight"), text(lines.fortnight)}},
                            std::nullopt,
                            {}};
    AddParagraph(fortnight, texts.lunarDayExplanation, language);
    AddParagraph(fortnight, reading.fortnightExplanation, language);
    sections.push_back(fortnight);

    ReportSection bird{ReadingReport::tr("Pakshi / Bird"),
                       {{ReadingReport::tr("Ruling Bird"), text(lines.bird)}},
                       results.bird ? std::optional(results.bird->bird) : std::nullopt,
                       {}};
    AddParagraph(bird, reading.texts.pakshiDescription, language);
    sections.push_back(bird);

    ReportSection ruling{ReadingReport::tr("Ruling Days"),
                         {{ReadingReport::tr("Ruling Day(s) in Day time"), text(lines.rulingDaysDay)},
                          {ReadingReport::tr("Ruling Day(s) in Night time"), text(lines.rulingDaysNight)}},
                         std::nullopt,
                         {}};
    AddParagraph(ruling, texts.rulingDaysExplanation, language);
    sections.push_back(ruling);

    ReportSection death{ReadingReport::tr("Death Day"),
                        {{ReadingReport::tr("Death Day(s)"), text(lines.deathDays)}},
                        std::nullopt,
                        {}};
    AddParagraph(death, texts.deathDaysExplanation, language);
    sections.push_back(death);
    return sections;
}

QString ReportTitle() {
    return ReadingReport::tr("Panch-Pakshi Birth Reading");
}

QImage BirdPicture(Bird bird) {
    InitReportResources();
    const QString name = FromCore(kBirdNames[IndexOf(bird)]).toLower();
    QSvgRenderer renderer(QStringLiteral(":/birds/%1.svg").arg(name));
    QImage picture(kPictureSidePx, kPictureSidePx, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QTextCharFormat TextFormat(qreal pointSize, bool bold) {
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void InsertBlock(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, qreal topMargin) {
    QTextBlockFormat block;
    block.setTopMargin(topMargin);
    block.setBottomMargin(4);
    cursor.insertBlock(block, format);
    cursor.insertText(text, format);
}

void InsertRows(QTextCursor& cursor, const std::vector<ReportRow>& rows) {
    QTextTableFormat table;
    table.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    table.setCellPadding(2);
    table.setCellSpacing(0);
    QTextTable* grid = cursor.insertTable(int(rows.size()), 2, table);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        QTextCursor caption = grid->cellAt(int(row), 0).firstCursorPosition();
        caption.insertText(rows[row].caption + QStringLiteral(":  "), TextFormat(kBodyPt, false));
        QTextCursor value = grid->cellAt(int(row), 1).firstCursorPosition();
        value.insertText(rows[row].value, TextFormat(kBodyPt, true));
    }
    cursor.movePosition(QTextCursor::End);
}

} // namespace

std::unique_ptr<QTextDocument> BuildReport(const QString& title, const std::vector<ReportSection>& sections) {
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, title);
    QTextCursor cursor(document.get());
    QTextBlockFormat titleBlock;
    titleBlock.setAlignment(Qt::AlignHCenter);
    titleBlock.setBottomMargin(6);
    cursor.setBlockFormat(titleBlock);
    cursor.insertText(title, TextFormat(kTitlePt, true));

    int pictures = 0;
    for (const ReportSection& section : sections) {
        InsertBlock(cursor, section.heading, TextFormat(kHeadingPt, true), 12);
        if (!section.rows.empty()) {
            InsertRows(cursor, section.rows);
        }
        if (section.birdPicture) {
            const QUrl source(QStringLiteral("velmora-report:bird%1").arg(pictures++));
            document->addResource(QTextDocument::ImageResource, source, BirdPicture(*section.birdPicture));
            QTextImageFormat image;
            image.setName(source.toString());
            image.setWidth(kPictureWidthPx);
            image.setHeight(kPictureWidthPx);
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.insertImage(image);
        }
        for (const QString& paragraph : section.paragraphs) {
            InsertBlock(cursor, paragraph, TextFormat(kBodyPt, false), 4);
        }
    }
    return document;
}

std::unique_ptr<QTextDocument> BuildReadingReport(const ReadingSession& session, Language language) {
    return BuildReport(ReportTitle(), Sections(session, language));
}

QString ReadingReportText(const ReadingSession& session, Language language) {
    QString text = ReportTitle() + QLatin1Char('\n');
    for (const ReportSection& section : Sections(session, language)) {
        text += QLatin1Char('\n') + section.heading + QLatin1Char('\n');
        for (const ReportRow& row : section.rows) {
            text += row.caption + QStringLiteral(": ") + row.value + QLatin1Char('\n');
        }
        for (const QString& paragraph : section.paragraphs) {
            text += paragraph + QLatin1Char('\n');
        }
    }
    return text + QLatin1Char('\n') + QString::fromLatin1(kProgramCaption) + QLatin1Char('\n');
}

QPageSize::PageSizeId LocalPaperSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

void SetReportMargins(QPagedPaintDevice& device) {
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

bool PaintReadingReport(QTextDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Laid out at the device's resolution: fonts in points and pictures keep their size.
    document.documentLayout()->setPaintDevice(&device);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QFont footerFont(document.defaultFont());
    footerFont.setPointSizeF(kFooterPt);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal footerHeight = 2.5 * footerMetrics.height();
    const qreal bodyHeight = area.height() - footerHeight;
    document.setPageSize(QSizeF(area.width(), bodyHeight));

    const int pageCount = document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        const QRectF body(0, page * bodyHeight, area.width(), bodyHeight);
        painter.save();
        painter.translate(0, -body.top());
        document.drawContents(&painter, body);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, area.height() - footerMetrics.height(), area.width(), footerMetrics.height());
        painter.drawLine(QPointF(0, footer.top() - footerMetrics.height() / 2),
                         QPointF(area.width(), footer.top() - footerMetrics.height() / 2));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kProgramCaption));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         ReadingReport::tr("Page %1 of %2").arg(page + 1).arg(pageCount));
    }
    return painter.end();
}

std::optional<QString> WriteReportPdf(QTextDocument& document, const QString& path) {
    // Drawn in memory first: the file is then written in one piece, and nothing Qt
    // draws on can be a pipe or a full disk.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(LocalPaperSize()));
        SetReportMargins(writer);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QString::fromLatin1(kProgramCaption));
        if (!PaintReadingReport(document, writer)) {
            return ReadingReport::tr("the pages could not be drawn");
        }
    }
    if (const auto failure =
            ReplaceFile(QFile::encodeName(path).toStdString(),
                        std::string_view(pdf.data().constData(), std::size_t(pdf.data().size())))) {
        return FailureReason(*failure);
    }
    return std::nullopt;
}

std::optional<QString> WriteReadingPdf(const ReadingSession& session, const QString& path,
                                       Language language) {
    return WriteReportPdf(*BuildReadingReport(session, language), path);
}

} // namespace velmora
