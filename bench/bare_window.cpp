// The least a Qt Widgets window of the same shape as Velmora's does: a menu bar, a
// form, and a second page with a paragraph that File > Calculate switches to. The
// window benchmark measures it beside Velmora as the baseline of start-up, of
// answering a command and of idle memory.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

namespace {

const char* const kAnswer =
    "The birth falls in the waxing fortnight under the eighth star. The ruling bird of this "
    "birth is the crow; its ruling days are Monday and Thursday, and its dying days fall on "
    "Saturday. In the day the bird rules from sunrise through the first two parts, then eats, "
    "walks and sleeps in turn; at night the order starts again from the second part.";

QComboBox* Choices(const QStringList& items) {
    auto* box = new QComboBox;
    box->addItems(items);
    return box;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window v1.0"));

    auto* pages = new QStackedWidget;
    auto* form = new QWidget;
    auto* fields = new QFormLayout(form);
    fields->addRow(QStringLiteral("&Name:"), new QLineEdit);
    fields->addRow(QStringLiteral("&Day:"), Choices({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    fields->addRow(QStringLiteral("&Month:"),
                   Choices({"January", "February", "March", "April", "May", "June"}));
    fields->addRow(QStringLiteral("&Year:"), Choices({"1945", "1946", "1947", "1948", "1949", "1950"}));
    auto* calculate = new QPushButton(QStringLiteral("Calculate"));
    fields->addRow(calculate);
    auto* answer = new QLabel(QString::fromLatin1(kAnswer));
    answer->setWordWrap(true);
    answer->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pages->addWidget(form);
    pages->addWidget(answer);
    window.setCentralWidget(pages);

    const auto showAnswer = [pages, answer] { pages->setCurrentWidget(answer); };
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Calculate"), showAnswer);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    QObject::connect(calculate, &QPushButton::clicked, showAnswer);

    window.show();
    return QApplication::exec();
}
