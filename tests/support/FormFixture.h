#pragma once

// A main window with everything it touches of the desktop replaced: settings in a temporary
// folder, warnings and the folder dialog recorded instead of shown.

#include "RecordingShell.h"
#include "SettingsMedium.h"
#include "TFindFileForm.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

class RecordingWarningBox : public WarningBox {
public:
    QStringList shown;
    void showWarning(QWidget*, const QString& text) override { shown << text; }
};

class ScriptedFolderPicker : public FolderPicker {
public:
    std::optional<QString> answer;
    QString startedAt;
    bool browseButtonEnabledWhileOpen = true;
    QWidget* form = nullptr;
    std::optional<QString> pickFolder(QWidget* parent, const QString& start) override {
        startedAt = start;
        if (auto* f = qobject_cast<TFindFileForm*>(parent))
            browseButtonEnabledWhileOpen = f->BrowseButton->isEnabled();
        return answer;
    }
};

class FormFixture {
public:
    QTemporaryDir config;
    std::unique_ptr<SettingsMedium> medium = CreateIniSettingsMedium(config.path());
    RecordingWarningBox warnings;
    ScriptedFolderPicker picker;
    RecordingShell shell;
    QString documents = QStringLiteral("/home/anna/Documents");

    void installCompanion() { QDir(config.path()).mkpath(QStringLiteral("Software/Torvex")); }

    std::unique_ptr<TFindFileForm> makeForm() {
        FormServices services;
        services.settings = medium.get();
        services.warnings = &warnings;
        services.folderPicker = &picker;
        services.shell = &shell;
        services.documentsFolder = [this] { return documents; };
        services.programFolder = QStringLiteral("/opt/quendal");
        return std::make_unique<TFindFileForm>(services);
    }

    QString stored(const QString& section, const QString& name) {
        QString v;
        medium->readText(QStringLiteral("\\Software\\Torvex-Quendal") + section, name, v);
        return v;
    }
    bool has(const QString& section, const QString& name) {
        QString v;
        return medium->readText(QStringLiteral("\\Software\\Torvex-Quendal") + section, name, v);
    }
    void store(const QString& name, const QString& value) {
        medium->writeText(QStringLiteral("\\Software\\Torvex-Quendal\\FindFiles"), name, value);
    }
};
