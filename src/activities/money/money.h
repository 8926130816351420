#pragma once
// Money: a shop counter with things and their price tags, a purse of coins and notes, and a tray.
// The class adds prices, works out change from a note, or drags the fewest coins into the tray;
// the solution counts up coin by coin with a running total. The English edition counts in pounds,
// the other in euros (Welsh in pounds), each written as the chosen language writes money.
#include <optional>
#include <vector>

#include "activities/money/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/edition.h"
#include "activities/shell/modes.h"
#include "activities/shell/money.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"

namespace money {

inline constexpr shell::EditionKinds kMoneyKinds{{"money", "menu2", "Money", true, false},
                                                 {"money2", "menu2", "Money", true, false}};

class Money : public shell::Activity {
    Q_OBJECT
public:
    static constexpr int kLoosePieces = 16;  // pieces out of the purse at once: the tray's and the one in hand
    static constexpr int kTrayMost = 15;

    Money(app::WindowRegistry& windows, shell::Edition edition);

    platform::Label* lblquestion;
    platform::Image* imgcounter;
    platform::ControlArray<platform::Image> imgitem;   // the things on the counter
    platform::ControlArray<platform::Label> lbltag;    // their price tags
    platform::Image* imgpaid;                           // the note paid with
    platform::Image* imgpurse;
    platform::ControlArray<platform::Image> imgpiece;  // the purse: one of each coin and note, as kPieces
    platform::Image* imgtray;
    platform::ControlArray<platform::Image> imgloose;  // pieces taken out of the purse
    platform::Shape* shptotal;
    platform::Label* lblrunning;
    platform::Label* lbltotal;
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    // A piece of the purse pressed takes a copy of it into the hand; its moves and release follow.
    void imgpiece_MouseDown(int index, const platform::MouseEvent& e);
    void imgpiece_MouseMove(int index, const platform::MouseEvent& e);
    void imgpiece_MouseUp(int index, const platform::MouseEvent& e);
    // A piece in the tray picked up again: dropped outside the tray it goes back to the purse.
    void imgloose_MouseDown(int index, const platform::MouseEvent& e);
    void imgloose_MouseMove(int index, const platform::MouseEvent& e);
    void imgloose_MouseUp(int index, const platform::MouseEvent& e);

    shell::Edition edition() const { return m_edition; }
    const shell::MoneyStyle& style() const { return m_style; }
    const Question& question() const { return *m_question; }
    // The values in the tray, in the order they were put down.
    std::vector<long long> trayValues() const;
    // Where the tray holds its pieces (inside its wooden edge).
    Box trayInside() const;

protected:
    void Form_Load() override;

private:
    void ask();
    void showCounter();
    void emptyTray();
    // A free loose piece dressed as purse piece `piece`, standing where that piece stands.
    int takeOut(int piece);
    void drop(int loose);
    void moveHeld(const platform::MouseEvent& e);
    void dropHeld();
    void layTray();
    void buildSteps();
    void say(const QString& sentence);
    QString text(long long minor) const;
    QString sumText(const std::vector<long long>& parts) const;

    shell::Edition m_edition;
    shell::MoneyStyle m_style;
    std::optional<Question> m_question;
    std::vector<platform::Picture> m_piecePictures;  // as kPieces
    std::vector<platform::Picture> m_thingPictures;
    std::vector<long long> m_looseValue = std::vector<long long>(kLoosePieces, 0);
    std::vector<int> m_tray;  // loose pieces in the tray, in order
    platform::Grip m_grip;
    int m_held = -1;
    double m_topZ = 0;
};

}  // namespace money
