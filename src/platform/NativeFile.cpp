#include "NativeFile.h"

#include "FileErrors.h"
#include "NativePath.h"

#ifdef Q_OS_WIN
#include <QFile>
#include <QFileInfo>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
namespace {
QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A read-only descriptor for a regular file; O_NONBLOCK so that a FIFO cannot hang the open.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) {
        const QByteArray native = EncodeNativePath(path);
        m_fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            throw FileAccessError(path, ErrnoText(errno));
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) {
            const int error = errno;
            ::close(m_fd);
            throw FileAccessError(path, ErrnoText(error));
        }
        if (S_ISDIR(st.st_mode)) {
            ::close(m_fd);
            throw FileAccessError(path, ErrnoText(EISDIR));
        }
        m_size = S_ISREG(st.st_mode) ? qint64(st.st_size) : 0;
    }
    ~ReadOnlyFile() { ::close(m_fd); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int fd() const { return m_fd; }
    qint64 size() const { return m_size; }

private:
    int m_fd = -1;
    qint64 m_size = 0;
};
} // namespace

qint64 ReadFileStart(const QString& path, char* buffer, qint64 capacity) {
    // open, read, close and nothing more: this runs for every file a search lists.
    const QByteArray native = EncodeNativePath(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw FileAccessError(path, ErrnoText(errno));
    ssize_t got;
    do {
        got = ::read(fd, buffer, size_t(capacity));
    } while (got < 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    if (got < 0 && error == EISDIR) // a folder is no file to open
        throw FileAccessError(path, ErrnoText(error));
    return got < 0 ? 0 : qint64(got);
}

QByteArray ReadFileUpTo(const QString& path, qint64 limit) {
    ReadOnlyFile file(path);
    const qint64 wanted = qMin(file.size(), limit);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 total = 0;
    while (total < wanted) { // the file may shrink meanwhile: keep what was really read
        const ssize_t got = ::read(file.fd(), bytes.data() + total, size_t(wanted - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileAccessError(path, ErrnoText(errno));
        }
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
    return bytes;
}

PathFacts StatPath(const QString& path) {
    PathFacts facts;
    struct stat st {};
    if (::stat(EncodeNativePath(path).constData(), &st) != 0)
        return facts;
    facts.exists = true;
    facts.isFile = S_ISREG(st.st_mode);
    facts.isFolder = S_ISDIR(st.st_mode);
    facts.size = qint64(st.st_size);
    const qint64 ms = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    facts.lastWriteMs = ms;
    return facts;
}

#else // Windows: QFile opens files without blocking on special names.

qint64 ReadFileStart(const QString& path, char* buffer, qint64 capacity) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw FileAccessError(path, file.errorString());
    const qint64 got = file.read(buffer, capacity);
    return got < 0 ? 0 : got;
}

QByteArray ReadFileUpTo(const QString& path, qint64 limit) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw FileAccessError(path, file.errorString());
    QByteArray bytes = file.read(qMin(file.size(), limit));
    if (file.error() != QFileDevice::NoError)
        throw FileAccessError(path, file.errorString());
    return bytes;
}

PathFacts StatPath(const QString& path) {
    PathFacts facts;
    const QFileInfo info(path);
    if (!info.exists())
        return facts;
    facts.exists = true;
    facts.isFile = info.isFile();
    facts.isFolder = info.isDir();
    facts.size = info.size();
    facts.lastWriteMs = info.lastModified().toMSecsSinceEpoch();
    return facts;
}
#endif
