#include "app/time_zone_dialog.h"

#include "app/program_caption.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmTimeZone::frmTimeZone(QWidget* parent)
    : QDialog(parent), lstTimeZone_(new QListWidget(this)), cmdQuit_(new QPushButton(tr("&Quit"), this)) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setModal(true);

    lstTimeZone_->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TimeZoneRow& row : TimeZoneTable) {
        lstTimeZone_->addItem(ToQString(row.listText));
    }
    // A fresh list starts at the top with nothing chosen.
    lstTimeZone_->setCurrentRow(-1);
    lstTimeZone_->installEventFilter(this);
    lstTimeZone_->viewport()->installEventFilter(this);

    cmdQuit_->setObjectName(QStringLiteral("cmdQuit"));
    // Enter belongs to the list (it applies the chosen zone), not to the button.
    cmdQuit_->setAutoDefault(false);
    connect(cmdQuit_, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdQuit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone_);
    layout->addLayout(buttons);

    const int listWidth = lstTimeZone_->sizeHintForColumn(0) + 2 * lstTimeZone_->frameWidth() + 24;
    lstTimeZone_->setMinimumSize(listWidth, 16 * lstTimeZone_->sizeHintForRow(0));
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == lstTimeZone_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstTimeZone_DblClick();
            return true;
        }
        // Focus parks the cursor on the first row without choosing it; the first
        // arrow press chooses that row instead of skipping past it.
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && lstTimeZone_->selectedItems().isEmpty()) {
            lstTimeZone_->setCurrentRow(std::max(lstTimeZone_->currentRow(), 0));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone_->selectedItems();
    const int position = selected.isEmpty() ? -1 : lstTimeZone_->row(selected.front());
    if (position >= 0 && position < static_cast<int>(TimeZoneTable.size())) {
        chosen_ = TimeZoneTable[static_cast<std::size_t>(position)];
    }
    accept();
}

void frmTimeZone::cmdQuit_Click() {
    reject();
}

} // namespace velmora
