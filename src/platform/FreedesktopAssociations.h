#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The freedesktop.org rules for "which program opens this type": mimeapps.list files (default
// applications, then added associations) in the configuration and data folders, then the
// MIME cache of installed desktop entries; each type's parent types are asked in turn.
class FreedesktopAssociations {
public:
    // From $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, $XDG_DATA_HOME, $XDG_DATA_DIRS and their defaults.
    FreedesktopAssociations();
    FreedesktopAssociations(QStringList configDirs, QStringList dataDirs);

    // The desktop entry id (such as org.gnome.TextEditor.desktop) for a MIME type or its parents.
    QString desktopEntryFor(const QString& mimeType) const;
    // The command line of an entry, split into words: program first, then its arguments with
    // the field codes (%f, %u, ...) still in place.
    std::optional<QStringList> execOf(const QString& desktopEntryId) const;
    // The command that opens path: the associated entry's Exec with path put in for its field
    // code (or appended). Nothing when the file does not exist or no program is associated.
    std::optional<QStringList> commandFor(const QString& path) const;

private:
    QStringList m_configDirs;
    QStringList m_dataDirs;
};

// Splits a desktop entry's Exec value into words (double quotes group, backslash escapes).
QStringList SplitExecLine(const QString& exec);
