#pragma once
// The texts of the newer activities: text/activities.csv holds one block of rows per activity, each
// under a heading row whose English field is "[name]". A block is found by its name, so a block
// that grows or shrinks never moves another, and a file without a block leaves its texts empty.
#include <QString>

namespace app {

struct LanguageState;

// Reads the blocks of a file laid out like text.csv; false (changing nothing) when it cannot be read.
// A file cut short keeps the blocks and rows it holds in full.
bool readTextBlocks(const QString& path, LanguageState& state);

// One activity's texts in the chosen language; a missing block, row or language reads as "".
class TextBlock {
public:
    explicit TextBlock(QString name) : m_name(std::move(name)) {}
    QString operator[](int row) const;
    // The row with %1, %2, … filled in, in whatever order the language puts them.
    template <class... Args>
    QString format(int row, const Args&... args) const {
        const QString text = (*this)[row];
        return text.isEmpty() ? text : text.arg(args...);
    }

private:
    QString m_name;
};

}  // namespace app
