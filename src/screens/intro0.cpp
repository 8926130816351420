#include "screens/intro0.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/paths.h"
#include "screens/titlefrm.h"

namespace screens {

using namespace platform;

namespace {
constexpr int kSections = 5;
constexpr float kEntryStep = 750;
constexpr float kSixthEntryDrop = 4500;  // one empty slot above the sixth entry
constexpr float kSixthEntryWidth = 4000;

// French, German, Spanish and Italian titles run to two lines.
float titleHeight(int langindex) { return langindex > 0 && langindex < 5 ? 1740.0f : 960.0f; }
}  // namespace

Intro0::Intro0(app::WindowRegistry& windows) : Form(QStringLiteral("intro0"), 12000, 9000), m_windows(windows) {
    setCaption(QStringLiteral("Quillmark"));

    Label1 = add<Label>(nullptr, "Label1", 390, 120, 11220, 960);
    Label1->setFont({"Tahoma", 32.25f, true});
    Label1->setForeColor(colors::Yellow);
    Label1->setBackColor(colors::Black);
    Label1->setOpaque(true);
    Label1->setAlignment(Align::Center);

    auto* entry = add<Label>(nullptr, "Label2", 9600, 2400, 2235, 495, 0);
    entry->setFont({"Tahoma", 18, true});
    entry->setForeColor(colors::Yellow);
    entry->setBackColor(colors::Blue);
    entry->setAlignment(Align::Center);
    entry->setVisible(false);
    Label2.add(entry);

    Command1 = add<CommandButton>(nullptr, "Command1", 60, 7950, 1785, 495);
    Command1->setFont({"Arial", 15.75f, true});

    Label3 = add<Label>(nullptr, "Label3", 7680, 8280, 3990, 315);
    Label3->setFont({"Tahoma", 9.75f, false});
    Label3->setForeColor(colors::Yellow);
    Label3->setAlignment(Align::Right);

    Label4 = add<Label>(nullptr, "Label4", 7560, 1920, 3990, 315);
    Label4->setFont({"Tahoma", 9.75f, false});
    Label4->setForeColor(colors::Yellow);
    Label4->setAlignment(Align::Right);
    Label4->setCaption(QStringLiteral("version 2.1.000"));

    Label6 = add<Label>(nullptr, "Label6", 8520, 7800, 3315, 375);
    Label6->setFont({"Arial", 12, true});
    Label6->setForeColor(colors::Yellow);
    Label6->setBackColor(colors::Black);
    Label6->setOpaque(true);
    Label6->setAlignment(Align::Center);
    Label6->setCaption(QStringLiteral("Teacher's guide"));

    Image2 = add<Image>(nullptr, "Image2", 180, 5700, 1500, 2085);
    Image2->setStretch(true);

    Label6->onClick = [this] { Label6_Click(); };
    Command1->onClick = [this] { Command1_Click(); };
    openAddress = [](const QUrl& address) { QDesktopServices::openUrl(address); };
}

QString guideLanguageCode(int language) {
    static const char* const codes[] = {"en", "fr", "de", "es", "it", "nl", "cy"};
    return QString::fromLatin1(language >= 0 && language < int(std::size(codes)) ? codes[language] : codes[0]);
}

QUrl Intro0::guideAddress() {
    // The chosen language's guide, the English one where it has none, the folder's first page last.
    const QString own = QStringLiteral("guide\\%1\\index.html").arg(guideLanguageCode(app::lang().langIndexValue()));
    for (const QString& page : {own, QStringLiteral("guide\\en\\index.html")}) {
        const QString path = resolvePath(page);
        if (QFileInfo::exists(path)) return QUrl::fromLocalFile(path);
    }
    return QUrl::fromLocalFile(resolvePath(QStringLiteral("guide\\index.html")));
}

void Intro0::Form_Load() {
    const app::LanguageState& l = app::lang();
    const int language = l.langIndexValue();

    shell::setupform(*this);
    setBackColor(colors::Page);
    setPicture(loadPicture(QStringLiteral("Images\\startqorv.jpg")));
    Image2->setPicture(loadPicture(QStringLiteral("Images\\logo2.jpg")));
    // Whatever the title screen had no time to decode, decoded while the class reads this one.
    warmPicturesWhenShown(shell::activityPictures);
    Label1->setHeight(titleHeight(language));
    Command1->setCaption(l.txtexit);
    Command1->move(60, 7950, 1785, 495);

    for (int i = 1; i <= kSections; ++i) {
        Label& copy = Label2.load(i);
        copy.setLeft(Label2[0].left());
        copy.setTop(Label2[0].top() + kEntryStep * float(i));
        if (i == kSections) copy.setTop(Label2[0].top() + kSixthEntryDrop);
    }
    Label1->setCaption(l.txttitle);
    Label3->setCaption(l.txtnotice);
    // The guide link keeps its English design text when the table has none.
    if (!l.txtguide.isEmpty()) Label6->setCaption(l.txtguide);
    for (int i = 0; i <= kSections; ++i) Label2[i].setCaption(l.txtsections[static_cast<std::size_t>(i)]);

    Label& sixth = Label2[kSections];
    sixth.setWidth(kSixthEntryWidth);
    sixth.setLeft(Label2[0].left() + Label2[0].width() - sixth.width());
    for (int i = 0; i <= kSections; ++i) Label2[i].setVisible(i < kSections || language == 0);
    sixth.setEnabled(false);

    for (int i = 0; i <= kSections; ++i) {
        Label2[i].onMouseMove = [this, i](const MouseEvent& e) { Label2_MouseMove(i, e); };
        Label2[i].onClick = [this, i] { Label2_Click(i); };
    }
    // A disabled entry is background as far as the pointer goes.
    sixth.onDisabledMouseMove = [this](const MouseEvent& e) { Form_MouseMove(e); };
}

void Intro0::Form_MouseMove(const MouseEvent&) {
    for (int i = 0; i < Label2.size(); ++i) Label2[i].setOpaque(i == kSections);
}

void Intro0::Label2_MouseMove(int index, const MouseEvent&) { Label2[index].setOpaque(true); }

void Intro0::Label2_Click(int index) {
    if (index < 0 || index >= kSections) return;
    m_windows.show(QStringLiteral("menu%1").arg(index + 1));
    unload();
}

void Intro0::Label6_Click() {
    if (openAddress) openAddress(guideAddress());
}

void Intro0::Command1_Click() {
    auto* title = dynamic_cast<Titlefrm*>(m_windows.load(QStringLiteral("Titlefrm")));
    if (title) {
        title->Label4->setCaption(Label1->caption());
        title->Command1->setCaption(app::lang().txtokreturn);
    }
    m_windows.show(QStringLiteral("Titlefrm"));
    unload();
}

}  // namespace screens
