#pragma once

#include <QString>
#include <memory>

// A per-user hierarchical store of keys holding named text values. Key paths are written from
// the root of the user's store with backslashes: "\Software\Torvex-Quendal\FindFiles".
class SettingsMedium {
public:
    virtual ~SettingsMedium() = default;
    virtual bool keyExists(const QString& keyPath) const = 0;
    // Creates the key, empty, when it does not exist yet.
    virtual void createKey(const QString& keyPath) = 0;
    // False, with an empty value, when the key or the value is missing. Never creates anything.
    virtual bool readText(const QString& keyPath, const QString& name, QString& value) const = 0;
    // Creates the key when missing and stores the text at once. False when that failed.
    virtual bool writeText(const QString& keyPath, const QString& name, const QString& value) = 0;
};

// The user's own store: the registry's current-user hive on Windows; elsewhere one INI file per
// key below the configuration folder ($XDG_CONFIG_HOME, else ~/.config), the key
// "\Software\Torvex-Quendal" being Software/Torvex-Quendal.ini with one [group] per subkey.
std::unique_ptr<SettingsMedium> CreateUserSettingsMedium();

// The INI medium rooted at any folder, for tests and for the Linux store.
std::unique_ptr<SettingsMedium> CreateIniSettingsMedium(const QString& configRoot);

// $XDG_CONFIG_HOME, else ~/.config.
QString DefaultConfigRoot();
