#include "SettingsMedium.h"

#ifdef Q_OS_WIN
#include <QSettings>

namespace {
// The current user's registry hive, through QSettings' native format.
class RegistrySettingsMedium : public SettingsMedium {
public:
    bool keyExists(const QString& keyPath) const override {
        QSettings key(hive(keyPath), QSettings::NativeFormat);
        return key.status() == QSettings::NoError &&
               (!key.childKeys().isEmpty() || !key.childGroups().isEmpty() || probe(keyPath));
    }
    void createKey(const QString& keyPath) override {
        QSettings key(hive(keyPath), QSettings::NativeFormat);
        key.setValue(QStringLiteral(".created"), true); // the registry makes a key by writing
        key.remove(QStringLiteral(".created"));
    }
    bool readText(const QString& keyPath, const QString& name, QString& value) const override {
        QSettings key(hive(keyPath), QSettings::NativeFormat);
        const QVariant v = key.value(name);
        value = v.isValid() ? v.toString() : QString();
        return v.isValid();
    }
    bool writeText(const QString& keyPath, const QString& name, const QString& value) override {
        QSettings key(hive(keyPath), QSettings::NativeFormat);
        key.setValue(name, value);
        key.sync();
        return key.status() == QSettings::NoError;
    }

private:
    static QString hive(const QString& keyPath) {
        return QStringLiteral("HKEY_CURRENT_USER") + keyPath;
    }
    static bool probe(const QString& keyPath) {
        const int cut = keyPath.lastIndexOf(QLatin1Char('\\'));
        QSettings parent(hive(keyPath.left(cut)), QSettings::NativeFormat);
        return parent.childGroups().contains(keyPath.mid(cut + 1), Qt::CaseInsensitive);
    }
};
} // namespace

std::unique_ptr<SettingsMedium> CreateUserSettingsMedium() {
    return std::make_unique<RegistrySettingsMedium>();
}
#endif
