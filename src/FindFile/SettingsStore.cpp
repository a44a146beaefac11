#include "SettingsStore.h"

#include "SearchRun.h"

namespace {
const QString kFindFiles = QStringLiteral("\\FindFiles");
const QString kLocation = QStringLiteral("\\Location");

QStringList LoadList(const SettingsStore& store, const QString& prefix, bool skipEmpty) {
    QStringList list;
    for (int n = 1; n <= kRecentListCapacity; ++n) {
        QString text;
        if (!store.readText(kFindFiles, prefix + QString::number(n), text))
            break;
        if (skipEmpty && text.isEmpty())
            continue;
        list << text;
    }
    return list;
}

void SaveList(SettingsStore& store, const QString& prefix, const QStringList& list) {
    for (int i = 0; i < list.size() && i < kRecentListCapacity; ++i)
        store.writeText(kFindFiles, prefix + QString::number(i + 1), list[i]); // failures ignored
}
} // namespace

void SettingsStore::openRoot() {
    m_medium.createKey(rootKey());
}

bool SettingsStore::readText(const QString& section, const QString& name, QString& text) const {
    return m_medium.readText(rootKey() + section, name, text);
}

bool SettingsStore::writeText(const QString& section, const QString& name, const QString& text) {
    return m_medium.writeText(rootKey() + section, name, text);
}

RecentLists SettingsStore::loadLists() const {
    RecentLists lists;
    lists.lookIn = LoadList(*this, QStringLiteral("LookIn"), true);
    lists.containingText = LoadList(*this, QStringLiteral("ContainingText"), false);
    lists.nameContains = LoadList(*this, QStringLiteral("NameContains"), false);
    return lists;
}

void SettingsStore::saveLists(const RecentLists& lists) {
    SaveList(*this, QStringLiteral("LookIn"), lists.lookIn);
    SaveList(*this, QStringLiteral("ContainingText"), lists.containingText);
    SaveList(*this, QStringLiteral("NameContains"), lists.nameContains);
}

void SettingsStore::recordProgramFolder(const QString& folderWithSeparator) {
    QString existing;
    if (!readText(kLocation, QStringLiteral("Path"), existing))
        writeText(kLocation, QStringLiteral("Path"), folderWithSeparator);
}
