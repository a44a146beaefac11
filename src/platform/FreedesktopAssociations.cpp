#include "FreedesktopAssociations.h"

#include "IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace {
QStringList EnvList(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    QStringList dirs =
        (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return dirs;
}

// Reads one group of a desktop-style file as raw key=value lines (no quoting).
QStringList ValuesOf(const QString& file, const QString& group, const QString& key) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QString current;
    for (const QByteArray& raw : in.read(1 << 20).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        if (current != group)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}
} // namespace

FreedesktopAssociations::FreedesktopAssociations() {
    const QString home = QDir::homePath();
    const QString configHome =
        qEnvironmentVariable("XDG_CONFIG_HOME", home + QLatin1String("/.config"));
    const QString dataHome =
        qEnvironmentVariable("XDG_DATA_HOME", home + QLatin1String("/.local/share"));
    m_configDirs = QStringList{configHome} + EnvList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    m_dataDirs = QStringList{dataHome} +
                 EnvList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
}

FreedesktopAssociations::FreedesktopAssociations(QStringList configDirs, QStringList dataDirs)
    : m_configDirs(std::move(configDirs)), m_dataDirs(std::move(dataDirs)) {}

QString FreedesktopAssociations::desktopEntryFor(const QString& mimeType) const {
    QStringList lists;
    for (const QString& dir : m_configDirs)
        lists << dir + QLatin1String("/mimeapps.list");
    for (const QString& dir : m_dataDirs)
        lists << dir + QLatin1String("/applications/mimeapps.list")
              << dir + QLatin1String("/applications/defaults.list");

    QStringList types{mimeType};
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    if (type.isValid())
        types += type.allAncestors();
    for (const QString& t : types) {
        for (const char* group : {"Default Applications", "Added Associations"})
            for (const QString& list : lists)
                for (const QString& id : ValuesOf(list, QString::fromLatin1(group), t))
                    if (execOf(id))
                        return id;
        for (const QString& dir : m_dataDirs)
            for (const QString& id : ValuesOf(dir + QLatin1String("/applications/mimeinfo.cache"),
                                              QStringLiteral("MIME Cache"), t))
                if (execOf(id))
                    return id;
    }
    return {};
}

std::optional<QStringList> FreedesktopAssociations::execOf(const QString& desktopEntryId) const {
    // An id may stand for a file in a subfolder: kde4-kate.desktop is kde4/kate.desktop.
    QStringList candidates{desktopEntryId};
    if (desktopEntryId.contains(QLatin1Char('-')))
        candidates << QString(desktopEntryId).replace(QLatin1Char('-'), QLatin1Char('/'));
    for (const QString& dir : m_dataDirs) {
        for (const QString& name : candidates) {
            const QString file = dir + QLatin1String("/applications/") + name;
            if (!QFileInfo(file).isFile())
                continue;
            QFile in(file);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            QString group;
            for (const QByteArray& raw : in.read(1 << 20).split('\n')) {
                const QString line = QString::fromUtf8(raw).trimmed();
                if (line.startsWith(QLatin1Char('[')))
                    group = line;
                else if (group == QLatin1String("[Desktop Entry]") &&
                         line.startsWith(QLatin1String("Exec="))) {
                    const QStringList words = SplitExecLine(line.mid(5));
                    if (!words.isEmpty())
                        return words;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<QStringList> FreedesktopAssociations::commandFor(const QString& path) const {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const QString id = desktopEntryFor(QMimeDatabase().mimeTypeForFile(path).name());
    if (id.isEmpty())
        return std::nullopt;
    std::optional<QStringList> words = execOf(id);
    if (!words)
        return std::nullopt;
    QStringList command;
    bool placed = false;
    for (const QString& word : *words) {
        if (word == QLatin1String("%f") || word == QLatin1String("%F") ||
            word == QLatin1String("%u") || word == QLatin1String("%U")) {
            if (!placed)
                command << path;
            placed = true;
        } else if (word.size() == 2 && word.startsWith(QLatin1Char('%'))) {
            continue; // %i, %c, %k and the deprecated codes stand for nothing here
        } else {
            command << QString(word).replace(QLatin1String("%%"), QLatin1String("%"));
        }
    }
    if (!placed)
        command << path;
    const QString program = QStandardPaths::findExecutable(command.first());
    if (program.isEmpty() && !QFileInfo(command.first()).isExecutable())
        return std::nullopt;
    if (!program.isEmpty())
        command.first() = program;
    return command;
}

QStringList SplitExecLine(const QString& exec) {
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}
