#include "platform/fields.h"

#include <QFile>
#include <QStringDecoder>

namespace platform {

QString decodeText(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid()) return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) return std::nullopt;
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

FieldReader::FieldReader(QString text) : m_text(std::move(text)) {}

void FieldReader::skipBlanks() {
    while (m_pos < m_text.size() && (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t'))) ++m_pos;
}

static bool isLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

std::optional<QString> FieldReader::next() {
    const qsizetype n = m_text.size();
    if (m_afterComma) {
        // A comma followed by the line end (or the file's end) closes an empty field.
        skipBlanks();
        m_afterComma = false;
        if (m_pos >= n) return QString();
        if (isLineBreak(m_text[m_pos])) {
            if (m_text[m_pos] == QLatin1Char('\r') && m_pos + 1 < n && m_text[m_pos + 1] == QLatin1Char('\n')) ++m_pos;
            ++m_pos;
            return QString();
        }
    } else {
        while (m_pos < n && (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t') || isLineBreak(m_text[m_pos])))
            ++m_pos;
        if (m_pos >= n) return std::nullopt;
    }

    QString field;
    if (m_text[m_pos] == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        const qsizetype end = close < 0 ? n : close;
        field = m_text.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? n : close + 1;
        // Anything between the closing quote and the delimiter is dropped.
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineBreak(m_text[m_pos])) ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineBreak(m_text[m_pos])) ++m_pos;
        field = m_text.mid(start, m_pos - start);
        while (field.endsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char('\t'))) field.chop(1);
    }

    if (m_pos < n) {
        if (m_text[m_pos] == QLatin1Char(',')) {
            m_afterComma = true;
            ++m_pos;
        } else {
            if (m_text[m_pos] == QLatin1Char('\r') && m_pos + 1 < n && m_text[m_pos + 1] == QLatin1Char('\n')) ++m_pos;
            ++m_pos;
        }
    }
    return field;
}

}  // namespace platform
