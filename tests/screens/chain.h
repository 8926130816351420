#pragma once
// A program folder and a window registry holding the screen chain, for the screens' tests.
#include <QByteArray>
#include <QStringList>
#include <memory>
#include <ostream>

#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace chaintest {

// A text table whose cell (column c, row r) reads "r<r>c<c>"; `rows` short of 202 makes it short.
QByteArray textTable(int rows = 202);
// A names file whose cell (display language l, language r) reads "n<r>l<l>".
QByteArray namesTable(int rows = 14);

// The cell text the tables above hold.
QString cellText(int row, int column);
QString nameText(int row, int language);

// The chain's screens over a fresh program folder, with stubs for the activities and the Jotter.
class Chain {
public:
    Chain();
    ~Chain();
    testsupport::DataFolder folder;
    platform::ScriptedRandom random;
    std::unique_ptr<app::WindowRegistry> windows;

    // Writes text/text.csv and text/languages.csv.
    void writeTexts() const;
    // Lets closed windows go, so openNames() tells what the user would see.
    static void flush();
    QStringList open() const;
};

// Starts every test from the state of a fresh run.
void resetLanguage();
// Fills the table from textTable() and applies language `index`.
void chooseLanguage(int index);

}  // namespace chaintest
