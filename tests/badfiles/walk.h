#pragma once
// One pass through every screen as a teacher makes it, over whatever the program folder holds,
// noting what each screen did with its files.
#include <QStringList>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/random.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << '[' << list.join(", ").toStdString() << ']'; }

namespace badfiles {

// Draws that are the same on every run, so a fruit picture is reached at the same spin each time.
class SteadyRandom final : public platform::RandomSource {
public:
    float next() override;
    void reseed() override;

private:
    std::uint64_t m_state = 0x853C49E6748FEA9Bull;
};

// The language the walk picks in the chooser.
inline constexpr int kWalkLanguage = 2;

struct Failure {
    QString screen;
    int number = 0;
    QString message;
    bool menuStillOpen = false;  // the menu that opened the screen, laid out as before
};

struct Seen {
    bool titleFellBack = false;
    QStringList titleButtons;  // Command1, Command2, Command3 captions at the first load
    QString langnameAtTitle;
    std::vector<QString> tableAtTitle;
    bool chooserFellBack = false;
    QStringList chooserOptions;  // captions of the seven visible options
    int notSavedMessages = 0;
    // Screen.control names whose picture is empty: "intro0.Image2", "menu3.background".
    QStringList emptyPictures;
    std::vector<Failure> failures;
    int fruitPicturesShown = 0;
    QStringList reached;
    bool titleFellBackOnReturn = false;
};

// Walks Titlefrm → Change Language → chooser (picks kWalkLanguage, OK) → intro0 → each menu that has
// an activity → that activity (first question; the fruit reels spin until every fruit has shown)
// → back to intro0 → Exit to the title. A screen that fails is noted, closed, and the walk goes on.
Seen walk();

}  // namespace badfiles
