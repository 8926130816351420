#include "screens/menu.h"

#include "activities/shell/setupform.h"
#include "app/windows.h"

namespace screens {

using namespace platform;

namespace {
constexpr int kEntries = 5;
constexpr int kListEntries = 6;
constexpr float kEntryStep = 750;
constexpr float kSixthEntryDrop = 4500;  // one empty slot above the sixth entry
constexpr float kSixthEntryWidth = 4000;
constexpr float kScreenWidth = 12000;

// What each entry opens. An entry whose activity is not in the build opens its menu's stand-in.
const std::array<MenuDesign, Menu::kMenus> kMenuDesigns{{
    {0, 5175, &app::LanguageState::txtmenu1items,
     {"placevalue", "ordernum", "rounding", "factors", "primes"}, EnglishTest::None, nullptr},
    {1, 5175, &app::LanguageState::txtmenu2items,
     {"bonds", "tables", "doubles", "dartboard", "money"}, EnglishTest::ByName, "money2"},
    {2, 4695, &app::LanguageState::txtmenu3items,
     {"fruit", "missing", "operations", "columns", "division"}, EnglishTest::ByIndex, "division2"},
    {3, 6375, &app::LanguageState::txtmenu4items,
     {"countback", "negatives", "temperature", "directed1", "bank"}, EnglishTest::ByIndex, "bank2"},
    {4, 4695, &app::LanguageState::txtmenu5items,
     {"angles", "symmetry", "area", "coordinates", "solids"}, EnglishTest::None, nullptr},
}};

Label* styledLabel(Label* label, float points, const QColor& back, bool opaque) {
    label->setFont({"Tahoma", points, true});
    label->setForeColor(colors::Yellow);
    label->setBackColor(back);
    label->setOpaque(opaque);
    label->setAlignment(Align::Center);
    label->setBorder(true);
    return label;
}
}  // namespace

const MenuDesign& menuDesign(int number) { return kMenuDesigns.at(static_cast<std::size_t>(number - 1)); }

Menu::Menu(int number, app::WindowRegistry& windows)
    : Form(QStringLiteral("menu%1").arg(number), kScreenWidth, 9000),
      m_design(menuDesign(number)),
      m_number(number),
      m_windows(windows) {
    setCaption(QStringLiteral("Quillmark"));
    Label1 = styledLabel(add<Label>(nullptr, "Label1", 0, 120, 5430, 900), 36, colors::Black, true);
    Label2.add(styledLabel(add<Label>(nullptr, "Label2", 9600, 2400, 2235, 495, 0), 18, colors::Blue, false));
    Label3.add(styledLabel(add<Label>(nullptr, "Label3", 0, 2400, m_design.entryWidth, 495, 0), 15.75f, colors::Black, true));
    Command1 = add<CommandButton>(nullptr, "Command1", 60, 7950, 1785, 495);
    Command1->setFont({"Arial", 15.75f, true});

    Label1->onMouseMove = [this](const MouseEvent& e) { Label1_MouseMove(e); };
    Command1->onClick = [this] { Command1_Click(); };
}

void Menu::Form_Load() {
    const app::LanguageState& l = app::lang();

    shell::setupform(*this);
    setBackColor(colors::Page);
    setPicture(loadPicture(QStringLiteral("Images\\startqorv.jpg")));
    // Whatever the title screen had no time to decode, decoded while the class reads this one.
    warmPicturesWhenShown(shell::activityPictures);
    Command1->setCaption(l.txtexit);
    Command1->move(60, 7950, 1785, 495);
    Label1->setLeft((kScreenWidth - Label1->width()) / 2);
    Label3[0].setLeft((kScreenWidth - Label3[0].width()) / 2);

    for (int i = 1; i < kListEntries; ++i) {
        Label& listEntry = Label2.load(i);
        listEntry.setLeft(Label2[0].left());
        listEntry.setTop(Label2[0].top() + kEntryStep * float(i));
        if (i == kListEntries - 1) listEntry.setTop(Label2[0].top() + kSixthEntryDrop);
        if (i < kEntries) {
            Label& activity = Label3.load(i);
            activity.setLeft(Label3[0].left());
            activity.setTop(Label3[0].top() + kEntryStep * float(i));
        }
    }

    const auto& items = l.*(m_design.items);
    for (int i = 0; i < kListEntries; ++i) Label2[i].setCaption(l.txtsections[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kEntries; ++i) Label3[i].setCaption(items[static_cast<std::size_t>(i)]);
    Label1->setCaption(l.txtsections[static_cast<std::size_t>(m_number - 1)]);

    Label& sixth = Label2[kListEntries - 1];
    sixth.setWidth(kSixthEntryWidth);
    sixth.setLeft(Label2[0].left() + Label2[0].width() - kSixthEntryWidth);

    for (int i = 0; i < kEntries; ++i) {
        Label2[i].setVisible(true);
        Label3[i].setVisible(true);
    }
    sixth.setVisible(l.langIndexValue() == 0);

    for (int i = 0; i < kEntries; ++i) Label3[i].setEnabled(true);
    sixth.setEnabled(false);

    for (int i = 0; i < kListEntries; ++i) {
        Label2[i].onMouseMove = [this, i](const MouseEvent& e) { Label2_MouseMove(i, e); };
        Label2[i].onClick = [this, i] { Label2_Click(i); };
    }
    for (int i = 0; i < kEntries; ++i) Label3[i].onClick = [this, i] { Label3_Click(i); };
    // A disabled entry is background as far as the pointer goes.
    sixth.onDisabledMouseMove = [this](const MouseEvent& e) { Form_MouseMove(e); };
}

QString Menu::screenFor(int index) const {
    if (index < 0 || index >= kEntries) return {};
    QString screen = QString::fromLatin1(m_design.screens[static_cast<std::size_t>(index)]);
    if (index == kEntries - 1 && m_design.lastEntryTest != EnglishTest::None) {
        const app::LanguageState& l = app::lang();
        const bool english = m_design.lastEntryTest == EnglishTest::ByName ? l.langname == QLatin1String("English")
                                                                            : l.langIndexValue() == 0;
        if (!english) screen = QString::fromLatin1(m_design.lastEntryOtherLanguage);
    }
    return screen;
}

void Menu::Form_MouseMove(const MouseEvent&) {
    Label1->setOpaque(false);
    for (int i = 0; i < Label2.size(); ++i) Label2[i].setOpaque(false);
}

void Menu::Label1_MouseMove(const MouseEvent&) { Label1->setOpaque(true); }

void Menu::Label2_MouseMove(int index, const MouseEvent&) { Label2[index].setOpaque(true); }

bool Menu::activityStillOpen() {
    // Clicks on a menu behind its running activity go back to the activity, or windows would pile up.
    if (m_activity.isEmpty() || !m_windows.isOpen(m_activity)) return false;
    m_windows.show(m_activity);
    if (m_windows.isOpen(QStringLiteral("notepad"))) m_windows.show(QStringLiteral("notepad"));
    return true;
}

void Menu::Label2_Click(int index) {
    if (activityStillOpen()) return;
    if (index == m_design.ownEntry || index < 0 || index >= kEntries) return;
    m_windows.show(QStringLiteral("menu%1").arg(index + 1));
    unload();
}

void Menu::Label3_Click(int index) {
    if (activityStillOpen()) return;
    const QString target = screenFor(index);
    if (!m_windows.defines(target)) return;
    if (Form* activity = m_windows.load(target)) activity->setCaption(Label3[index].caption());
    m_windows.show(target);
    m_activity = target;
}

void Menu::Command1_Click() {
    if (activityStillOpen()) return;
    m_windows.show(QStringLiteral("intro0"));
    unload();
}

void defineMenus(app::WindowRegistry& windows) {
    for (int n = 1; n <= Menu::kMenus; ++n)
        windows.define(QStringLiteral("menu%1").arg(n), [n](app::WindowRegistry& w) { return new Menu(n, w); });
}

}  // namespace screens
