#include "app/textblocks.h"

#include <QRegularExpression>

#include "app/language.h"
#include "platform/fields.h"

namespace app {

bool readTextBlocks(const QString& path, LanguageState& state) {
    const auto bytes = platform::readFileBytes(path);
    if (!bytes) return false;
    platform::FieldReader reader(platform::decodeText(*bytes));
    for (int i = 0; i < kFileColumns; ++i)
        if (!reader.next()) return false;

    static const QRegularExpression heading(QStringLiteral("^\\[([a-z0-9_]+)\\]$"));
    TextBlocks blocks;
    TextRows* current = nullptr;
    for (;;) {
        TextRow row;
        for (auto& field : row) {
            auto next = reader.next();
            if (!next) {
                state.blocks = std::move(blocks);
                return true;
            }
            field = std::move(*next);
        }
        const auto match = heading.match(row[0]);
        if (match.hasMatch())
            current = &blocks[match.captured(1)];
        else if (current)
            current->push_back(std::move(row));
    }
}

QString TextBlock::operator[](int row) const {
    const LanguageState& l = lang();
    const int column = l.langIndexValue();
    const auto block = l.blocks.constFind(m_name);
    if (block == l.blocks.cend() || row < 0 || row >= static_cast<int>(block->size())) return {};
    if (column < 0 || column >= kFileColumns) return {};
    return (*block)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace app
