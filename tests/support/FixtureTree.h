#pragma once

// Small fixture trees in a temporary folder: files written from bytes, folders made on demand.

#include "SearchCriteria.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

class FixtureTree {
public:
    FixtureTree() { Q_ASSERT(m_dir.isValid()); }

    // The root folder, ending with "/".
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString& relative) const { return root() + relative; }

    // Writes bytes to a file below the root, making its folders; returns its full path.
    QString write(const QString& relative, const QByteArray& bytes) const {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write fixture %s", qPrintable(full));
        file.write(bytes);
        file.close();
        return full;
    }

    QString mkdir(const QString& relative) const {
        QDir().mkpath(path(relative));
        return path(relative) + QLatin1Char('/');
    }

    void setModified(const QString& relative, const QDateTime& when) const {
        QFile file(path(relative));
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(when, QFileDevice::FileModificationTime))
            qFatal("cannot set the time of %s", qPrintable(relative));
    }

private:
    QTemporaryDir m_dir;
};

inline QByteArray Ged55() {
    return "0 HEAD\r\n1 GEDC\r\n2 VERS 5.5\r\n0 TRLR\r\n";
}

// The criteria of a search of root for the given type, everything else as the window starts.
inline SearchCriteria CriteriaFor(const QString& root,
                                  const QString& type = QStringLiteral("GEDCOM Files (*.ged)")) {
    SearchCriteria c;
    c.TypeText = type;
    c.LookIn = root;
    return c;
}
