#include "platform/picturecache.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "platform/fields.h"
#include "platform/paths.h"

namespace platform {
namespace {
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
}  // namespace

PictureCache& PictureCache::shared() {
    static PictureCache cache;
    return cache;
}

std::optional<PictureCache::FileStamp> PictureCache::stampOf(const QString& path) {
    namespace fs = std::filesystem;
    const fs::path file(QFile::encodeName(path).toStdString());
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const auto size = fs::file_size(file, error);
    if (error) return std::nullopt;
    const auto modified = fs::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileStamp{qint64(size),
                     qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count())};
}

std::optional<Picture> PictureCache::load(const QString& path, const QString& nameForType, double pixelsPerTwip) {
    if (pixelsPerTwip != m_pixelsPerTwip) {
        clear();
        m_pixelsPerTwip = pixelsPerTwip;
    }
    // The file is looked at before it is read, so a change made meanwhile shows on the next load.
    const auto stamp = stampOf(path);
    if (const auto it = m_index.constFind(path); it != m_index.cend()) {
        Entry& entry = **it;
        if (stamp && entry.stamp == *stamp) {
            m_entries.splice(m_entries.begin(), m_entries, *it);
            return entry.picture;
        }
        drop(path);
    }
    if (!stamp) return std::nullopt;
    const auto bytes = readFileBytes(path, kMaxFileBytes);
    if (!bytes) return std::nullopt;
    auto picture = decodePictureAt(*bytes, nameForType, pixelsPerTwip);
    if (!picture) return std::nullopt;
    keep({path, *stamp, *picture, picture->image.sizeInBytes()});
    return picture;
}

void PictureCache::keep(Entry entry) {
    if (entry.bytes > m_limit) return;
    m_bytes += entry.bytes;
    m_entries.push_front(std::move(entry));
    m_index.insert(m_entries.front().path, m_entries.begin());
    // The least recently used go first; screens showing them keep their own share of the pixels.
    while (m_bytes > m_limit) drop(m_entries.back().path);
}

void PictureCache::drop(const QString& path) {
    const auto it = m_index.find(path);
    if (it == m_index.end()) return;
    m_bytes -= (*it)->bytes;
    m_entries.erase(*it);
    m_index.erase(it);
}

void PictureCache::clear() {
    m_entries.clear();
    m_index.clear();
    m_bytes = 0;
}

QStringList picturesIn(const QString& folder) {
    static const QStringList kEndings{".jpg", ".jpeg", ".png", ".bmp", ".gif", ".ico", ".wmf"};
    QStringList names;
    for (const QString& file : QDir(resolvePath(folder)).entryList(QDir::Files, QDir::Name)) {
        const auto ending = [&](const QString& e) { return file.endsWith(e, Qt::CaseInsensitive); };
        if (std::any_of(kEndings.begin(), kEndings.end(), ending)) names << folder + QLatin1Char('/') + file;
    }
    return names;
}

}  // namespace platform
