#pragma once
// The five activity menus: one design, built five times from a table of their differences.
#include <array>

#include "app/language.h"
#include "platform/form.h"

namespace app {
class WindowRegistry;
}

namespace screens {

// How the last activity entry picks between its English and its other-language screen.
enum class EnglishTest { None, ByName, ByIndex };

struct MenuDesign {
    int ownEntry;                                           // its own place in the menu list
    float entryWidth;                                       // width of the activity entries, in twips
    std::array<QString, 5> app::LanguageState::*items;      // captions of the activity entries
    std::array<const char*, 5> screens;                     // what each entry opens (English for entry 4)
    EnglishTest lastEntryTest;
    const char* lastEntryOtherLanguage;                     // entry 4's screen for other languages
};

// The design of menu N (1–5).
const MenuDesign& menuDesign(int number);

class Menu : public platform::Form {
    Q_OBJECT
public:
    static constexpr int kMenus = 5;

    Menu(int number, app::WindowRegistry& windows);

    platform::Label* Label1;
    platform::ControlArray<platform::Label> Label2;
    platform::ControlArray<platform::Label> Label3;
    platform::CommandButton* Command1;

    int number() const { return m_number; }
    // The screen activity entry `index` opens for the language chosen now.
    QString screenFor(int index) const;

    void Label1_MouseMove(const platform::MouseEvent& e);
    void Label2_MouseMove(int index, const platform::MouseEvent& e);
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_MouseMove(const platform::MouseEvent& e) override;

private:
    bool activityStillOpen();
    const MenuDesign& m_design;
    const int m_number;
    app::WindowRegistry& m_windows;
    QString m_activity;  // the last activity this menu opened
};

// Defines "menu1" … "menu5" in the registry.
void defineMenus(app::WindowRegistry& windows);

}  // namespace screens
