#pragma once
// The language chooser: language names as options, a live preview on click, OK keeps the choice.
#include <functional>
#include <memory>
#include <vector>

#include "platform/form.h"

namespace app {
class WindowRegistry;
}

class QMessageBox;

namespace screens {

class Languages : public platform::Form {
    Q_OBJECT
public:
    explicit Languages(app::WindowRegistry& windows);

    static constexpr int kOptions = 14;

    platform::Frame* Frame1;
    platform::Label* Label4;
    platform::ControlArray<platform::OptionButton> Option1;
    platform::Label* Label3;
    platform::CommandButton* Command1;
    platform::Label* Label2;

    // Whether the last load fell back to the set-up layout.
    bool fellBack() const { return m_fellBack; }
    // The name of language `row` written in language `column`; empty outside the names file.
    QString languagename(int column, int row) const;

    void Option1_Click(int index);
    void Command1_Click();

    // Tells the user the choice holds for this run only; tests replace it so nothing waits for a click.
    std::function<void(const QString& message)> tellNotSaved;
    // That message as a box titled and buttoned in the chosen language, not yet shown.
    std::unique_ptr<QMessageBox> notSavedBox(const QString& message);

protected:
    void Form_Load() override;

private:
    bool loadlanguagenames();
    void sizeTitle();
    void captionOptions();
    void captionTexts();

    app::WindowRegistry& m_windows;
    std::vector<QString> m_languagenames;  // 19 columns × 21 rows, by row
    bool m_namesLoaded = false;
    bool m_fellBack = false;
};

}  // namespace screens
