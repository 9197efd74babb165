#include "app/about_dialog.h"

#include "app/links.h"
#include "app/program_caption.h"
#include "app/translation.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString kIconPath = QStringLiteral(":/icons/velmora.svg");

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setModal(true);

    auto* Label2 = new QLabel(QString::fromLatin1(kProgramCaption), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    Label2->setFont(titleFont);

    auto* title = new QHBoxLayout;
    if (QFile::exists(kIconPath)) {
        const QIcon icon(kIconPath);
        setWindowIcon(icon);
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("imgIcon"));
        picture->setPixmap(icon.pixmap(48, 48));
        title->addWidget(picture);
    }
    title->addWidget(Label2, 1);

    auto* Label1 = new QLabel(
        tr("Velmora is a Vedic astrology software which determines your Nakshatra or Birth Star and then "
           "finds "
           "out your ruling bird as per the Panch Pakshi Shastra based on your date of birth. The software "
           "helps "
           "you to gain a clear insight into your personality and thus improve yourself for the better."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    const QString caption = tr("Click here to visit %1").arg(HomePageAddress());
    auto* lblHomePage = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                       .arg(HomePageAddress().toHtmlEscaped(), caption.toHtmlEscaped()),
                                   this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setTextFormat(Qt::RichText);
    lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblHomePage->setAccessibleName(caption);
    // The page is opened through the platform, never by the label itself.
    lblHomePage->setOpenExternalLinks(false);
    connect(lblHomePage, &QLabel::linkActivated, this, [&platform] { OpenHomePage(platform); });

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addWidget(Label1);
    if (TranslationInstalled()) {
        // Readers of a translation learn that it is unreviewed and where to send corrections.
        auto* lblTranslation =
            new QLabel(tr("This translation has not yet been reviewed by a native speaker. "
                          "Please send corrections to velmora@example.org or as an issue "
                          "on the home page."),
                       this);
        lblTranslation->setObjectName(QStringLiteral("lblTranslation"));
        lblTranslation->setTextFormat(Qt::PlainText);
        lblTranslation->setWordWrap(true);
        layout->addWidget(lblTranslation);
    }
    layout->addWidget(Line1);
    layout->addWidget(lblHomePage);
    layout->addLayout(buttons);

    Label1->setMinimumWidth(380);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

} // namespace velmora
