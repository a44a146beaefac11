#include "DirectoryListing.h"

#include "FileErrors.h"
#include "NativePath.h"

#ifdef Q_OS_WIN
#include <QDirIterator>
#include <QFileInfo>
#else
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN

struct DirectoryListing::Impl {
    DIR* dir = nullptr;
    Impl() = default;
    ~Impl() {
        if (dir)
            ::closedir(dir);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
};

namespace {
DIR* OpenListing(int fd) {
    if (fd < 0)
        return nullptr;
    DIR* dir = ::fdopendir(fd);
    if (!dir)
        ::close(fd);
    return dir;
}
} // namespace

DirectoryListing::DirectoryListing(const QString& folder) : m_impl(std::make_unique<Impl>()) {
    const QByteArray native = EncodeNativePath(folder);
    m_impl->dir = OpenListing(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

DirectoryListing::DirectoryListing(const DirectoryListing& parent, const QString& name)
    : m_impl(std::make_unique<Impl>()) {
    if (!parent.isOpen())
        return;
    const QByteArray native = EncodeNativePath(name);
    // O_NOFOLLOW: a folder replaced by a link since it was listed is not entered.
    m_impl->dir = OpenListing(::openat(::dirfd(parent.m_impl->dir), native.constData(),
                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
}

DirectoryListing::~DirectoryListing() = default;
DirectoryListing::DirectoryListing(DirectoryListing&&) noexcept = default;
DirectoryListing& DirectoryListing::operator=(DirectoryListing&&) noexcept = default;

bool DirectoryListing::isOpen() const {
    return m_impl && m_impl->dir != nullptr;
}

bool DirectoryListing::next(ListingEntry& entry) {
    if (!m_impl->dir)
        return false;
    for (;;) {
        const dirent* d = ::readdir(m_impl->dir);
        if (!d)
            return false;
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry.name = DecodeNativePath(QByteArrayView(name));
        switch (d->d_type) {
        case DT_REG:
            entry.kind = EntryKind::File;
            break;
        case DT_DIR:
            entry.kind = EntryKind::Folder;
            break;
        case DT_FIFO:
        case DT_SOCK:
        case DT_CHR:
        case DT_BLK:
            entry.kind = EntryKind::Other;
            break;
        default: // a link, or a file system that does not say
            entry.kind = EntryKind::Unknown;
            break;
        }
        return true;
    }
}

bool DirectoryListing::describe(ListingEntry& entry) const {
    if (!m_impl->dir)
        return false;
    const int fd = ::dirfd(m_impl->dir);
    const QByteArray native = EncodeNativePath(entry.name);
    struct stat st {};
    if (::fstatat(fd, native.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    const bool isLink = S_ISLNK(st.st_mode);
    if (isLink && ::fstatat(fd, native.constData(), &st, 0) != 0)
        return false; // a broken link
    if (S_ISREG(st.st_mode))
        entry.kind = EntryKind::File;
    else if (S_ISDIR(st.st_mode))
        entry.kind = isLink ? EntryKind::FolderLink : EntryKind::Folder;
    else
        entry.kind = EntryKind::Other;
    entry.size = qint64(st.st_size);
    entry.lastWriteMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return true;
}

qint64 DirectoryListing::openAndReadStart(ListingEntry& entry, char* buffer,
                                          qint64 capacity) const {
    const QByteArray native = EncodeNativePath(entry.name);
    // Relative to the open folder: no walk down the whole path for every file.
    const int fd = m_impl->dir ? ::openat(::dirfd(m_impl->dir), native.constData(),
                                          O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)
                               : -1;
    if (fd < 0)
        throw FileAccessError(entry.name, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    qint64 got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        entry.kind = EntryKind::File;
        entry.size = qint64(st.st_size);
        entry.lastWriteMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        ssize_t n;
        do {
            n = ::read(fd, buffer, size_t(capacity));
        } while (n < 0 && errno == EINTR);
        got = n < 0 ? 0 : qint64(n);
    } else {
        entry.kind = S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
    }
    ::close(fd);
    return got;
}

bool DirectoryListing::containsFile(const QString& name) const {
    struct stat st {};
    return m_impl->dir &&
           ::fstatat(::dirfd(m_impl->dir), EncodeNativePath(name).constData(), &st, 0) == 0 &&
           S_ISREG(st.st_mode);
}

#else // Windows: the system attribute marks what is never listed.

struct DirectoryListing::Impl {
    QString folder;
    std::unique_ptr<QDirIterator> it;
};

DirectoryListing::DirectoryListing(const QString& folder) : m_impl(std::make_unique<Impl>()) {
    m_impl->folder = folder;
    if (QFileInfo(folder).isDir())
        m_impl->it = std::make_unique<QDirIterator>(
            folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

DirectoryListing::DirectoryListing(const DirectoryListing& parent, const QString& name)
    : DirectoryListing(parent.m_impl->folder + QLatin1Char('/') + name) {}

DirectoryListing::~DirectoryListing() = default;
DirectoryListing::DirectoryListing(DirectoryListing&&) noexcept = default;
DirectoryListing& DirectoryListing::operator=(DirectoryListing&&) noexcept = default;

bool DirectoryListing::isOpen() const {
    return m_impl && m_impl->it != nullptr;
}

bool DirectoryListing::next(ListingEntry& entry) {
    if (!m_impl->it || !m_impl->it->hasNext())
        return false;
    m_impl->it->next();
    entry.name = m_impl->it->fileName();
    entry.kind = EntryKind::Unknown;
    return true;
}

bool DirectoryListing::describe(ListingEntry& entry) const {
    const QFileInfo info(m_impl->folder + QLatin1Char('/') + entry.name);
    if (!info.exists())
        return false;
    if (info.isDir())
        entry.kind = info.isSymLink() ? EntryKind::FolderLink : EntryKind::Folder;
    else if (info.isFile())
        entry.kind = EntryKind::File;
    else
        entry.kind = EntryKind::Other;
    entry.size = info.size();
    entry.lastWriteMs = info.lastModified().toMSecsSinceEpoch();
    return true;
}

qint64 DirectoryListing::openAndReadStart(ListingEntry& entry, char* buffer,
                                          qint64 capacity) const {
    const QString path = m_impl->folder + QLatin1Char('/') + entry.name;
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        entry.kind = EntryKind::Folder;
        return -1;
    }
    if (!file.open(QIODevice::ReadOnly))
        throw FileAccessError(path, file.errorString());
    entry.kind = EntryKind::File;
    entry.size = info.size();
    entry.lastWriteMs = info.lastModified().toMSecsSinceEpoch();
    const qint64 got = file.read(buffer, capacity);
    return got < 0 ? 0 : got;
}

bool DirectoryListing::containsFile(const QString& name) const {
    return QFileInfo(m_impl->folder + QLatin1Char('/') + name).isFile();
}
#endif
