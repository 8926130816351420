#include "screens/languages.h"

#include <QMessageBox>
#include <algorithm>

#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/languagefile.h"
#include "app/windows.h"
#include "platform/fields.h"
#include "platform/paths.h"
#include "screens/titlefrm.h"

namespace screens {

using namespace platform;

namespace {
constexpr int kNameColumns = 19;
constexpr int kNameRows = 21;
constexpr int kFileLanguages = 7;
constexpr int kVisibleOptions = 7;
const QColor kPaper{0xFF, 0xF8, 0xE7};

// Shown only when the names file cannot be read; in language order, so each option picks what it says.
const char* const kDesignNames[Languages::kOptions] = {
    "English", "French", "German",  "Spanish",   "Italian", "Dutch",  "Welsh",
    "Danish",  "Finnish", "Hungarian", "Norwegian", "Swedish", "Polish", "Portuguese"};

constexpr qreal kMessagePoints = 12;

const QString kNotSavedFallback =
    QStringLiteral("The language could not be saved. It will be used until Brevandel is closed.");
}  // namespace

Languages::Languages(app::WindowRegistry& windows)
    : Form(QStringLiteral("languages"), 5460, 6810),
      m_windows(windows),
      m_languagenames(static_cast<std::size_t>(kNameColumns * kNameRows)) {
    setCaption(QStringLiteral(" "));
    setBackColor(kPaper);
    Frame1 = add<Frame>(nullptr, "Frame1", 0, -90, 5480, 6900);
    Frame1->setBackColor(kPaper);
    Frame1->setCaptionVisible(false);

    Label4 = add<Label>(Frame1, "Label4", 60, 360, 5355, 1575);
    Label4->setFont({"Times New Roman", 21.75f, true});
    Label4->setForeColor(colors::Red);
    Label4->setAlignment(Align::Center);
    Label4->setCaption(QStringLiteral("Brevandel"));

    for (int i = 0; i < kOptions; ++i) {
        const bool firstColumn = i < kVisibleOptions;
        auto* option = add<OptionButton>(Frame1, "Option1", firstColumn ? 240.0f : 2880.0f,
                                         1920.0f + 480.0f * float(i % kVisibleOptions), 2295.0f, 375.0f, i);
        option->setFont({"Arial", 12, true});
        option->setBackColor(kPaper);
        option->setCaption(QString::fromLatin1(kDesignNames[i]));
        option->setVisible(firstColumn);
        Option1.add(option);
    }
    Option1[0].setValue(true);

    Label3 = add<Label>(Frame1, "Label3", 480, 5370, 4455, 735);
    Label3->setFont({"Times New Roman", 15.75f, false});
    Label3->setForeColor(colors::Blue);
    Label3->setAlignment(Align::Center);
    Label3->setCaption(QStringLiteral("Maths starters for the whole class"));

    Command1 = add<CommandButton>(Frame1, "Command1", 2040, 6120, 1335, 375);
    Command1->setFont({"Arial", 12, true});
    Command1->setBackColor(colors::ButtonFace);
    Command1->setCaption(QStringLiteral("OK"));

    Label2 = add<Label>(Frame1, "Label2", 0, 6660, 5415, 255);
    Label2->setFont({"Arial", 8.25f, false});
    Label2->setForeColor(colors::Blue);
    Label2->setAlignment(Align::Center);
    Label2->setCaption(QStringLiteral("Free to use in any classroom."));

    for (int i = 0; i < kOptions; ++i) Option1[i].onClick = [this, i] { Option1_Click(i); };
    Command1->onClick = [this] { Command1_Click(); };
    tellNotSaved = [this](const QString& message) { notSavedBox(message)->exec(); };
}

std::unique_ptr<QMessageBox> Languages::notSavedBox(const QString& message) {
    const app::LanguageState& l = app::lang();
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information,
                                             l.txtchangelang.isEmpty() ? caption() : l.txtchangelang, message,
                                             QMessageBox::NoButton, this);
    box->addButton(l.txtok.isEmpty() ? QStringLiteral("OK") : l.txtok, QMessageBox::AcceptRole);
    // The desktop's dialog font is small for a screen read from across a room.
    QFont font = box->font();
    font.setPointSizeF(std::max(font.pointSizeF(), kMessagePoints));
    box->setFont(font);
    return box;
}

QString Languages::languagename(int column, int row) const {
    if (column < 0 || column >= kNameColumns || row < 0 || row >= kNameRows) return {};
    return m_languagenames[static_cast<std::size_t>(row * kNameColumns + column)];
}

void Languages::sizeTitle() {
    if (const auto size = titleFontSize(app::lang().langIndexValue())) Label4->setFontSize(*size);
}

void Languages::captionTexts() {
    const app::LanguageState& l = app::lang();
    Label4->setCaption(l.txttitle);
    Label3->setCaption(l.txtcredits);
    Label2->setCaption(l.txtnotice);
    Command1->setCaption(l.txtok);
}

void Languages::captionOptions() {
    // Without the names file the design names stay: blank options could not be told apart.
    if (!m_namesLoaded) return;
    const int language = app::lang().langIndexValue();
    for (int i = 0; i < kOptions; ++i) Option1[i].setCaption(languagename(language, i));
}

bool Languages::loadlanguagenames() {
    captionTexts();
    const auto bytes = readFileBytes(resolvePath(QStringLiteral("text\\languages.csv")));
    if (!bytes) return false;
    FieldReader reader(decodeText(*bytes));
    for (int i = 0; i < kFileLanguages; ++i)
        if (!reader.next()) return false;
    // Read into a copy: a short file leaves no half-filled table behind.
    std::vector<QString> names(m_languagenames.size());
    for (int row = 0; row < kOptions; ++row) {
        for (int column = 0; column < kFileLanguages; ++column) {
            auto field = reader.next();
            if (!field) return false;
            names[static_cast<std::size_t>(row * kNameColumns + column)] = std::move(*field);
        }
    }
    m_languagenames = std::move(names);
    m_namesLoaded = true;
    return true;
}

void Languages::Form_Load() {
    setTop(shell::placementTop(screenHeightTwips(), height()));
    setLeft(screenWidthTwips() / 2 - width() / 2);
    sizeTitle();
    const int chosen = app::lang().langIndexValue();
    m_fellBack = chosen < 0 || chosen >= kOptions;
    if (!m_fellBack) {
        Option1[chosen].setValue(true);
        m_fellBack = !loadlanguagenames();
    }
    if (m_fellBack) {
        shell::setupform(*this);
        Frame1->bringToFront();
        return;
    }
    captionOptions();
    for (int i = 0; i < kVisibleOptions; ++i) Option1[i].setLeft((width() - Option1[0].width()) / 2);
}

void Languages::Option1_Click(int index) {
    app::lang().langindex = app::LangIndex::number(index);
    sizeTitle();
    captionOptions();
    app::applylanguage();
    captionTexts();
}

void Languages::Command1_Click() {
    app::LanguageState& l = app::lang();
    bool notSaved = false;
    for (int i = 0; i < kOptions; ++i) {
        if (!Option1[i].value()) continue;
        l.langindex = app::LangIndex::number(i);
        notSaved = !app::writeLanguageFile(i);
    }
    if (const auto name = app::languageName(l.langindex)) l.langname = *name;
    app::applylanguage();
    // An unsaved choice still holds for this run, but the user should not think it will last.
    if (notSaved && tellNotSaved) tellNotSaved(l.txtlanguagenotsaved.isEmpty() ? kNotSavedFallback : l.txtlanguagenotsaved);
    m_windows.show(QStringLiteral("intro0"));
    unload();
}

}  // namespace screens
