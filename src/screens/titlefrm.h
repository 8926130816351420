#pragma once
// The title screen: where the language choice and the texts are read, and the way in.
#include "platform/form.h"

namespace app {
class WindowRegistry;
}

namespace screens {

class Titlefrm : public platform::Form {
    Q_OBJECT
public:
    explicit Titlefrm(app::WindowRegistry& windows);

    platform::Frame* Frame1;
    platform::Label* Label4;
    platform::PictureBox* Picture1;
    platform::Label* Label3;
    platform::CommandButton* Command1;
    platform::CommandButton* Command2;
    platform::CommandButton* Command3;
    platform::Label* Label2;

    // Whether the last load fell back to the set-up layout.
    bool fellBack() const { return m_fellBack; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void Form_Load() override;

private:
    void readlanguagefile();
    bool loadtexttable();
    app::WindowRegistry& m_windows;
    bool m_fellBack = false;
};

// The title's size in points for a language; nullopt keeps the design size.
std::optional<float> titleFontSize(int langindex);

}  // namespace screens
