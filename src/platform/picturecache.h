#pragma once
// Pictures decoded once and kept, at the size windows draw them, so that every screen showing a picture
// shares one copy of its pixels and a screen that opens finds its pictures ready.
#include <QHash>
#include <QString>
#include <QStringList>
#include <list>
#include <optional>

#include "platform/picture.h"

namespace platform {

class PictureCache {
public:
    // Bytes of pixels kept: every picture the program has, decoded for a 2560 × 1440 desktop (zoom 2).
    static constexpr qint64 kDefaultLimit = 32 * 1024 * 1024;

    explicit PictureCache(qint64 limitBytes = kDefaultLimit) : m_limit(limitBytes) {}
    // The one cache the program's screens share.
    static PictureCache& shared();

    // The picture in the file at `path` (`nameForType` picks the decoder) with pixels for `pixelsPerTwip`;
    // nullopt when the file is missing or unreadable. A kept picture is given only while its file is
    // unchanged, and pictures kept for another scale are dropped.
    std::optional<Picture> load(const QString& path, const QString& nameForType, double pixelsPerTwip);

    qint64 bytes() const { return m_bytes; }
    int count() const { return int(m_index.size()); }
    bool holds(const QString& path) const { return m_index.contains(path); }
    // Loading ahead stops here, so it never pushes out what screens asked for.
    bool roomToWarm() const { return m_bytes < m_limit / 4 * 3; }
    void clear();

private:
    struct FileStamp {
        qint64 size = -1;
        qint64 modified = 0;  // nanoseconds
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        QString path;
        FileStamp stamp;
        Picture picture;
        qint64 bytes;
    };
    static std::optional<FileStamp> stampOf(const QString& path);
    void drop(const QString& path);
    void keep(Entry entry);

    qint64 m_limit;
    qint64 m_bytes = 0;
    double m_pixelsPerTwip = 0;
    std::list<Entry> m_entries;  // most recently used first
    QHash<QString, std::list<Entry>::iterator> m_index;
};

// The picture files in one of the program's folders, named as loadPicture takes them ("fruit/plum.jpg").
QStringList picturesIn(const QString& folder);

}  // namespace platform
