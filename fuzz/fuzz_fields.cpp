// Feeds arbitrary bytes to the text-table reader, the names-file layout and the language file parsing.
#include <cstddef>
#include <cstdint>

#include "app/language.h"
#include "platform/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    platform::FieldReader reader(platform::decodeText(bytes));
    int fields = 0;
    while (auto field = reader.next()) {
        if (fields == 0) (void)app::LangIndex::fromField(*field);
        if (++fields > 1 << 20) __builtin_trap();  // the reader must always advance
    }
    return 0;
}
