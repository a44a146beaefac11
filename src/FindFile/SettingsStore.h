#pragma once

#include "SettingsMedium.h"

#include <QStringList>

// The recent-entry lists of the main window.
struct RecentLists {
    QStringList lookIn;
    QStringList containingText;
    QStringList nameContains;
};

// The program's settings: what it keeps between runs and where, on top of a settings medium.
class SettingsStore {
public:
    explicit SettingsStore(SettingsMedium& medium) : m_medium(medium) {}

    static QString rootKey() { return QStringLiteral("\\Software\\Torvex-Quendal"); }
    static QString companionKey() { return QStringLiteral("\\Software\\Torvex"); }

    // Creates the root key, empty, when it is absent.
    void openRoot();
    bool companionInstalled() const { return m_medium.keyExists(companionKey()); }

    // section is "\FindFiles" or "\Location": a subkey of the root key.
    bool readText(const QString& section, const QString& name, QString& text) const;
    bool writeText(const QString& section, const QString& name, const QString& text);

    // Numbers 1 to 10 up to the first gap; an empty LookIn value is skipped.
    RecentLists loadLists() const;
    // Writes every entry as prefix + (position + 1); higher numbers are left as they are.
    void saveLists(const RecentLists& lists);
    // Writes "Path" under "\Location" only when it is not there yet.
    void recordProgramFolder(const QString& folderWithSeparator);

private:
    SettingsMedium& m_medium;
};
