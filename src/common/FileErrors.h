#pragma once

#include <QString>
#include <stdexcept>

// Raised when a file the engine must read cannot be opened or read; callers skip the file.
class FileAccessError : public std::runtime_error {
public:
    FileAccessError(const QString& path, const QString& reason)
        : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()), m_path(path),
          m_reason(reason) {}
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};
