#pragma once
// The language state the whole program shares: the text table, the chosen language and its texts.
#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace app {

inline constexpr int kTableColumns = 19;
inline constexpr int kTableRows = 501;
inline constexpr int kFileColumns = 7;
inline constexpr int kFileRows = 202;

// The chosen language as it was read: nothing yet (counts as 0), a number, or a text that is not one.
class LangIndex {
public:
    LangIndex() = default;
    static LangIndex number(long long value);
    static LangIndex text(const QString& text);
    // Reads a field as a file holds it: digits give a number, anything else stays text.
    static LangIndex fromField(const QString& field);

    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNumber() const { return m_kind != Kind::Text; }
    // The value used as an index; an empty value counts as 0, a text has none.
    std::optional<long long> value() const;

private:
    enum class Kind { Empty, Number, Text };
    Kind m_kind = Kind::Empty;
    long long m_number = 0;
    QString m_text;
};

// The English name of a language index (0–13), or nullopt for any other value.
std::optional<QString> languageName(const LangIndex& index);

using TextRow = std::array<QString, kFileColumns>;
using TextRows = std::vector<TextRow>;
using TextBlocks = QHash<QString, TextRows>;

struct LanguageState {
    // texttable(column, row): 19 × 501 cells, all empty until a text file fills columns 0–6, rows 0–201.
    std::vector<QString> texttable = std::vector<QString>(kTableColumns * kTableRows);
    LangIndex langindex;
    QString langname;

    QString txttitle, txtcredits, txtchangelang, txtnotice, txtok, txtexit, txtokreturn;
    std::array<QString, 6> txtsections;
    std::array<QString, 5> txtmenu1items, txtmenu2items, txtmenu3items, txtmenu4items, txtmenu5items;
    QString txtcheck, txtsolution, txtjotter, txtgo;
    QString txtlanguagenotsaved, txtguide;
    std::array<QString, 5> txtordernum;
    std::array<QString, 4> txtdirectedopts;
    std::array<QString, 7> txtdartboard;
    QString txtfruit;
    std::array<QString, 4> txtdirectedmsgs;
    QString txtdirectedopt2, txtdirectedopt3;
    std::array<QString, 4> txtjotterbuttons;
    // The newer activities' texts by block name, every language (see app/textblocks.h).
    TextBlocks blocks;

    QString& cell(int column, int row) { return texttable[static_cast<std::size_t>(row * kTableColumns + column)]; }
    const QString& cell(int column, int row) const {
        return texttable[static_cast<std::size_t>(row * kTableColumns + column)];
    }
    // langindex as a whole number, 0 when nothing was chosen; -1 when it is not a number.
    int langIndexValue() const;
};

// The one language state of the run.
LanguageState& lang();

// Copies column langindex of the text table into the text globals; false (changing nothing)
// when langindex is not a number or lies outside 0–18.
bool applylanguage();

// Reads a text table: a 7-field header and 202 rows of 7 fields. Nothing is changed unless the
// whole table is there; returns false for a missing, unreadable or short file.
bool readTextTable(const QString& path, LanguageState& state);

}  // namespace app
