#pragma once
// Comma-separated text fields, read in sequence, and the decoding of text files.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// UTF-8 (with or without a byte-order mark) when the bytes are valid UTF-8, otherwise Windows-1252.
QString decodeText(const QByteArray& bytes);

// Reads a whole file, refusing anything larger than maxBytes; nullopt when it cannot be read.
std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes = 4 * 1024 * 1024);

// Reads fields one after another: a field ends at a comma or a line end; blanks before a field,
// and line breaks before the first field of a line, are skipped; a field that starts with a double
// quote runs to the next double quote and may hold commas and line breaks.
class FieldReader {
public:
    explicit FieldReader(QString text);
    // The next field, or nullopt when the text has run out.
    std::optional<QString> next();

private:
    void skipBlanks();
    QString m_text;
    qsizetype m_pos = 0;
    bool m_afterComma = false;
};

}  // namespace platform
