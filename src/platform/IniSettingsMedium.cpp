#include "IniDocument.h"
#include "SettingsMedium.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {
// "\Software\Torvex-Quendal\FindFiles" -> file "Software/Torvex-Quendal.ini", group "FindFiles".
struct IniLocation {
    QString file;   // empty when the path names less than a whole key file
    QString folder; // the key path as a folder below the root
    QString group;  // empty for the key file's own level
};

class IniSettingsMedium : public SettingsMedium {
public:
    explicit IniSettingsMedium(QString root) : m_root(std::move(root)) {}

    bool keyExists(const QString& keyPath) const override {
        const IniLocation at = locate(keyPath);
        if (at.file.isEmpty())
            return QFileInfo(at.folder).isDir();
        if (at.group.isEmpty())
            return QFileInfo(at.file).isFile() || QFileInfo(at.folder).isDir();
        return load(at.file).hasGroup(at.group);
    }

    void createKey(const QString& keyPath) override {
        const IniLocation at = locate(keyPath);
        if (at.file.isEmpty() || keyExists(keyPath))
            return;
        IniDocument doc = load(at.file);
        if (!at.group.isEmpty())
            doc.ensureGroup(at.group);
        save(at.file, doc);
    }

    bool readText(const QString& keyPath, const QString& name, QString& value) const override {
        value.clear();
        const IniLocation at = locate(keyPath);
        if (at.file.isEmpty())
            return false;
        return load(at.file).read(at.group, name, value);
    }

    bool writeText(const QString& keyPath, const QString& name, const QString& value) override {
        const IniLocation at = locate(keyPath);
        if (at.file.isEmpty())
            return false;
        IniDocument doc = load(at.file);
        doc.write(at.group, name, value);
        return save(at.file, doc);
    }

private:
    IniLocation locate(const QString& keyPath) const {
        const QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        IniLocation at;
        at.folder = m_root + QLatin1Char('/') + parts.join(QLatin1Char('/'));
        if (parts.size() < 2)
            return at;
        at.file = m_root + QLatin1Char('/') + parts[0] + QLatin1Char('/') + parts[1] +
                  QLatin1String(".ini");
        at.group = parts.mid(2).join(QLatin1Char('\\'));
        return at;
    }

    static IniDocument load(const QString& file) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        return IniDocument::parse(in.read(1 << 20)); // a settings file is small; never read more
    }

    // A new file is written beside the old one and renamed over it: a crash or a full disk
    // leaves the previous file as it was.
    static bool save(const QString& file, const IniDocument& doc) {
        if (!QDir().mkpath(QFileInfo(file).absolutePath()))
            return false;
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = doc.serialize();
        if (out.write(bytes) != bytes.size()) {
            out.cancelWriting();
            return false;
        }
        return out.commit();
    }

    QString m_root;
};
} // namespace

std::unique_ptr<SettingsMedium> CreateIniSettingsMedium(const QString& configRoot) {
    return std::make_unique<IniSettingsMedium>(configRoot);
}

QString DefaultConfigRoot() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QLatin1String("/.config");
}

#ifndef Q_OS_WIN
std::unique_ptr<SettingsMedium> CreateUserSettingsMedium() {
    return CreateIniSettingsMedium(DefaultConfigRoot());
}
#endif
