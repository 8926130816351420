#include "app/language.h"

#include <QRegularExpression>
#include <limits>

#include "platform/fields.h"

namespace app {

LangIndex LangIndex::number(long long value) {
    LangIndex i;
    i.m_kind = Kind::Number;
    i.m_number = value;
    return i;
}

LangIndex LangIndex::text(const QString& text) {
    LangIndex i;
    i.m_kind = Kind::Text;
    i.m_text = text;
    return i;
}

LangIndex LangIndex::fromField(const QString& field) {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?)(\\d+)\\s*$"));
    const auto match = wholeNumber.match(field);
    if (!match.hasMatch()) return text(field);
    // Digits beyond what fits are still a number, just one outside every range.
    bool fits = false;
    const long long magnitude = match.captured(2).toLongLong(&fits);
    const long long value = fits ? magnitude : std::numeric_limits<long long>::max();
    return number(match.captured(1) == QLatin1String("-") ? -value : value);
}

std::optional<long long> LangIndex::value() const {
    switch (m_kind) {
        case Kind::Empty: return 0;
        case Kind::Number: return m_number;
        case Kind::Text: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> languageName(const LangIndex& index) {
    static const char* const names[] = {"English", "French",    "German",  "Spanish", "Italian",
                                        "Dutch",   "Welsh",     "Danish",  "Finnish", "Hungarian",
                                        "Norwegian", "Swedish", "Polish",  "Portuguese"};
    if (index.isEmpty()) return std::nullopt;
    const auto v = index.value();
    if (!v || *v < 0 || *v > 13) return std::nullopt;
    return QString::fromLatin1(names[*v]);
}

int LanguageState::langIndexValue() const {
    const auto v = langindex.value();
    if (!v || *v < 0 || *v >= kTableColumns) return -1;
    return static_cast<int>(*v);
}

LanguageState& lang() {
    static LanguageState state;
    return state;
}

namespace {
template <std::size_t N>
void copyRows(const LanguageState& s, int column, int firstRow, std::array<QString, N>& list) {
    for (std::size_t i = 0; i < N; ++i) list[i] = s.cell(column, firstRow + static_cast<int>(i));
}
}  // namespace

bool applylanguage() {
    LanguageState& s = lang();
    const auto v = s.langindex.value();
    if (!v || *v < 0 || *v >= kTableColumns) return false;
    const int L = static_cast<int>(*v);
    s.txttitle = s.cell(L, 0);
    s.txtcredits = s.cell(L, 1);
    s.txtchangelang = s.cell(L, 2);
    s.txtnotice = s.cell(L, 3);
    s.txtok = s.cell(L, 4);
    s.txtexit = s.cell(L, 5);
    s.txtokreturn = s.cell(L, 6);
    copyRows(s, L, 7, s.txtsections);
    copyRows(s, L, 13, s.txtmenu1items);
    copyRows(s, L, 18, s.txtmenu2items);
    copyRows(s, L, 23, s.txtmenu3items);
    copyRows(s, L, 28, s.txtmenu4items);
    copyRows(s, L, 33, s.txtmenu5items);
    s.txtcheck = s.cell(L, 38);
    s.txtsolution = s.cell(L, 39);
    s.txtjotter = s.cell(L, 40);
    s.txtgo = s.cell(L, 41);
    s.txtlanguagenotsaved = s.cell(L, 43);
    s.txtguide = s.cell(L, 44);
    copyRows(s, L, 46, s.txtordernum);
    copyRows(s, L, 63, s.txtdirectedopts);
    copyRows(s, L, 111, s.txtdartboard);
    s.txtfruit = s.cell(L, 118);
    copyRows(s, L, 149, s.txtdirectedmsgs);
    s.txtdirectedopt2 = s.cell(L, 153);
    s.txtdirectedopt3 = s.cell(L, 154);
    copyRows(s, L, 196, s.txtjotterbuttons);
    return true;
}

bool readTextTable(const QString& path, LanguageState& state) {
    const auto bytes = platform::readFileBytes(path);
    if (!bytes) return false;
    platform::FieldReader reader(platform::decodeText(*bytes));
    for (int i = 0; i < kFileColumns; ++i)
        if (!reader.next()) return false;
    // Read into a copy first: a file that ends early changes nothing.
    std::vector<QString> cells(static_cast<std::size_t>(kFileColumns * kFileRows));
    for (auto& cell : cells) {
        auto field = reader.next();
        if (!field) return false;
        cell = std::move(*field);
    }
    for (int row = 0; row < kFileRows; ++row)
        for (int column = 0; column < kFileColumns; ++column)
            state.cell(column, row) = std::move(cells[static_cast<std::size_t>(row * kFileColumns + column)]);
    return true;
}

}  // namespace app
