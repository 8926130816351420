#include "chain.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/language.h"
#include "screens/intro0.h"
#include "screens/languages.h"
#include "screens/menu.h"
#include "screens/titlefrm.h"

namespace chaintest {

QString cellText(int row, int column) { return QStringLiteral("r%1c%2").arg(row).arg(column); }
QString nameText(int row, int language) { return QStringLiteral("n%1l%2").arg(row).arg(language); }

namespace {
QByteArray table(int rows, QString (*cell)(int, int)) {
    QByteArray bytes = "\"h0\",\"h1\",\"h2\",\"h3\",\"h4\",\"h5\",\"h6\"\r\n";
    for (int r = 0; r < rows; ++r) {
        QStringList fields;
        for (int c = 0; c < 7; ++c) fields << QLatin1Char('"') + cell(r, c) + QLatin1Char('"');
        bytes += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return bytes;
}
}  // namespace

QByteArray textTable(int rows) { return table(rows, cellText); }
QByteArray namesTable(int rows) { return table(rows, nameText); }

Chain::Chain() : windows(std::make_unique<app::WindowRegistry>(random)) {
    resetLanguage();
    using app::WindowRegistry;
    windows->define("Titlefrm", [](WindowRegistry& w) { return new screens::Titlefrm(w); });
    windows->define("languages", [](WindowRegistry& w) { return new screens::Languages(w); });
    windows->define("intro0", [](WindowRegistry& w) { return new screens::Intro0(w); });
    screens::defineMenus(*windows);
    for (const char* stub : {"placevalue", "ordernum", "fruit", "directed1", "money", "money2", "area", "notepad"})
        windows->define(stub, [stub](WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
}

Chain::~Chain() {
    windows.reset();
    flush();
}

void Chain::writeTexts() const {
    folder.write("text/text.csv", textTable());
    folder.write("text/languages.csv", namesTable());
}

void Chain::flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QStringList Chain::open() const {
    flush();
    return windows->openNames();
}

void resetLanguage() { app::lang() = app::LanguageState{}; }

void chooseLanguage(int index) {
    app::LanguageState& l = app::lang();
    for (int r = 0; r < app::kFileRows; ++r)
        for (int c = 0; c < app::kFileColumns; ++c) l.cell(c, r) = cellText(r, c);
    l.langindex = app::LangIndex::number(index);
    if (const auto name = app::languageName(l.langindex)) l.langname = *name;
    app::applylanguage();
}

}  // namespace chaintest
