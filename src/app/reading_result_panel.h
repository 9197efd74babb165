#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "model/reading_results.h"
#include "texts/localized.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTabBar;

namespace velmora {

class LinkLabel;
class SvgView;

// The labels that show a reading, by what they show. Their object names are
// lblResult0 .. lblResult8 in the order below.
struct ResultLabels {
    QLabel* star = nullptr;
    QLabel* fortnight = nullptr;
    QLabel* rulingBird = nullptr;
    QLabel* rulingDaysDay = nullptr;
    QLabel* rulingDaysNight = nullptr;
    QLabel* deathDays = nullptr;
    QLabel* starDescription = nullptr;      // paragraph under the star
    QLabel* birdDescription = nullptr;      // paragraph beside the bird
    QLabel* fortnightExplanation = nullptr; // paragraph under the fortnight
};

// The result panel `fraResult`: the tab bar `TS` over four scrolling pages
// (star and fortnight, bird, ruling days, death days), the home-page link and
// the buttons of the bird's day, Save and Back.
class ReadingResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReadingResultPanel(QWidget* parent);

    // Shows the reading and opens the first tab at its top, with a line on a
    // birth time near a change of star or fortnight when `nearChange` is given.
    void ShowReading(const ReadingResults& results, std::optional<NearChangeFacts> nearChange = std::nullopt);

    // The picture of the bird at `position` in the five birds; any other position shows none.
    void ShowBirdPicture(std::optional<Bird> bird);

    // Shows the captions in the installed translation, and the fixed paragraphs and the reading shown
    // in `language`, keeping the tab and the scroll positions.
    void Retranslate(Language language);

    // Gives the keyboard focus to the tab bar.
    void FocusTabs();

    // The panel's controls in tab order: the tab bar, the four pages, the link, the bird's day, Save, Back.
    std::array<QWidget*, 9> TabChain() const;

signals:
    void birdsDayRequested(); // cmdBirdsDay
    void saveRequested();     // cmdSave
    void backRequested();     // cmdBack
    void homePageRequested(); // lblLabel

private:
    void createPages(QWidget* tabArea);
    void forgetPageSizes();
    void showPage(std::size_t index);
    void showValues();

    QTabBar* TS_ = nullptr;
    std::array<QScrollArea*, 4> pages_{}; // in the order of the tabs
    // What each page scrolls. A page takes its content when first shown after a reading: before,
    // the content would be measured for nothing at every start.
    std::array<QWidget*, 4> pageContents_{};
    // Pages are measured when they are shown, not all at once: a reading or a
    // change of language marks them all to be measured again, and their layouts
    // rest until then.
    std::array<bool, 4> pageFitted_{};
    ResultLabels labels_;
    QLabel* lblMargin_ = nullptr; // under the star, only for a birth time near a change
    SvgView* picBird_ = nullptr;
    LinkLabel* lblLabel_ = nullptr;
    QPushButton* cmdBirdsDay_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    // Under the star, under the fortnight, under the ruling days and under the death days.
    std::array<QLabel*, 4> fixedTexts_{};
    Language language_ = Language::English;
    std::optional<ReadingResults> shown_;
    std::optional<NearChangeFacts> nearChange_;
};

} // namespace velmora
