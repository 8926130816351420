#pragma once
// The introduction screen: the hub that leads to the five menus, the teacher's guide and back to the title.
#include <QUrl>
#include <functional>

#include "platform/form.h"

namespace app {
class WindowRegistry;
}

namespace screens {

class Intro0 : public platform::Form {
    Q_OBJECT
public:
    explicit Intro0(app::WindowRegistry& windows);

    platform::Label* Label1;
    platform::ControlArray<platform::Label> Label2;
    platform::CommandButton* Command1;
    platform::Label* Label3;
    platform::Label* Label4;
    platform::Label* Label6;
    platform::Image* Image2;

    void Label2_MouseMove(int index, const platform::MouseEvent& e);
    void Label2_Click(int index);
    void Label6_Click();
    void Command1_Click();

    // Hands an address to the desktop; tests replace it so no browser starts.
    std::function<void(const QUrl&)> openAddress;
    // The teacher's guide that ships beside the program, in the chosen language where there is one.
    static QUrl guideAddress();

protected:
    void Form_Load() override;
    void Form_MouseMove(const platform::MouseEvent& e) override;

private:
    app::WindowRegistry& m_windows;
};

// The guide's folder name for a language index: en, fr, de, es, it, nl, cy (English for any other).
QString guideLanguageCode(int language);

}  // namespace screens
