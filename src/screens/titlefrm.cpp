#include "screens/titlefrm.h"

#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/languagefile.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/paths.h"

namespace screens {

using namespace platform;

std::optional<float> titleFontSize(int langindex) {
    switch (langindex) {
        case 0: return 26.0f;
        case 1: return 24.0f;
        case 2: return 22.0f;
        case 3: case 4: case 5: case 6: return 26.0f;
        default: return std::nullopt;
    }
}

Titlefrm::Titlefrm(app::WindowRegistry& windows) : Form(QStringLiteral("Titlefrm"), 5460, 6810), m_windows(windows) {
    setCaption(QStringLiteral(" "));
    setBackColor(QColor(0xFF, 0xF8, 0xE7));
    Frame1 = add<Frame>(nullptr, "Frame1", 0, -90, 5480, 6900);
    Frame1->setBackColor(QColor(0xFF, 0xF8, 0xE7));
    Frame1->setCaptionVisible(false);

    Label4 = add<Label>(Frame1, "Label4", 60, 120, 5355, 1455);
    Label4->setFont({"Times New Roman", 21.75f, true});
    Label4->setForeColor(colors::Red);
    Label4->setAlignment(Align::Center);
    Label4->setCaption(QStringLiteral("Brevandel"));

    Picture1 = add<PictureBox>(Frame1, "Picture1", 300, 1320, 4800, 3600);
    Picture1->setBackColor(QColor(0xFF, 0xF8, 0xE7));

    Label3 = add<Label>(Frame1, "Label3", 480, 5010, 4455, 855);
    Label3->setFont({"Times New Roman", 15.75f, false});
    Label3->setForeColor(colors::Blue);
    Label3->setAlignment(Align::Center);
    Label3->setCaption(QStringLiteral("Maths starters for the whole class"));

    auto button = [this](const char* name, float left, float top, float width, const char* text) {
        auto* b = add<CommandButton>(Frame1, name, left, top, width, 375);
        b->setFont({"Arial", 12, true});
        b->setBackColor(colors::ButtonFace);
        b->setCaption(QString::fromUtf8(text));
        return b;
    };
    Command1 = button("Command1", 1080, 5760, 1575, "OK");
    Command2 = button("Command2", 2760, 5760, 1575, "Exit");
    Command3 = button("Command3", 1320, 6240, 2775, "Change Language");

    Label2 = add<Label>(Frame1, "Label2", 0, 6660, 5415, 255);
    Label2->setFont({"Arial", 8.25f, false});
    Label2->setForeColor(colors::Blue);
    Label2->setAlignment(Align::Center);
    Label2->setCaption(QStringLiteral("Free to use in any classroom."));

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
}

void Titlefrm::readlanguagefile() {
    app::LanguageState& l = app::lang();
    const auto field = app::readLanguageField();
    if (!field) {
        l.langname = QStringLiteral("English");
        return;
    }
    l.langindex = app::LangIndex::fromField(*field);
    if (!l.langindex.isNumber()) {
        // A choice that is not a number reads as English, and applying it fails below.
        l.langname = QStringLiteral("English");
        return;
    }
    if (const auto name = app::languageName(l.langindex)) l.langname = *name;
}

bool Titlefrm::loadtexttable() {
    // The newer activities' texts are a file of their own; without it their captions stay empty.
    app::readTextBlocks(resolvePath(QStringLiteral("text\\activities.csv")), app::lang());
    if (!app::readTextTable(resolvePath(QStringLiteral("text\\text.csv")), app::lang())) return false;
    return app::applylanguage();
}

void Titlefrm::Form_Load() {
    setTop(shell::placementTop(screenHeightTwips(), height()));
    setLeft(screenWidthTwips() / 2 - width() / 2);
    readlanguagefile();
    // The introduction's pictures first, then the activities', decoded while the class reads this screen.
    warmPicturesWhenShown([] {
        return QStringList{QStringLiteral("Images\\startqorv.jpg"), QStringLiteral("Images\\logo2.jpg")} +
               shell::activityPictures();
    });
    m_fellBack = !loadtexttable();
    if (m_fellBack) {
        shell::setupform(*this);
        Frame1->bringToFront();
        Picture1->setPicture(loadPicture(QStringLiteral("opening\\splashq00.jpg")));
        return;
    }
    const app::LanguageState& l = app::lang();
    if (const auto size = titleFontSize(l.langIndexValue())) Label4->setFontSize(*size);
    Label4->setCaption(l.txttitle);
    Label3->setCaption(l.txtcredits);
    Label2->setCaption(l.txtnotice);
    Command1->setCaption(l.txtok);
    Command2->setCaption(l.txtexit);
    Command3->setCaption(l.txtchangelang);
    Picture1->setPicture(loadPicture(QStringLiteral("opening\\splashq00.jpg")));
}

void Titlefrm::Command1_Click() {
    m_windows.show(QStringLiteral("intro0"));
    unload();
}

void Titlefrm::Command2_Click() { m_windows.endProgram(); }

void Titlefrm::Command3_Click() {
    m_windows.show(QStringLiteral("languages"));
    unload();
}

}  // namespace screens
