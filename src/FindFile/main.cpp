#include "DesktopShell.h"
#include "DocumentsFolder.h"
#include "FailureReport.h"
#include "LocalTimeZone.h"
#include "ProcessSpawn.h"
#include "ProgramVersion.h"
#include "SettingsMedium.h"
#include "TFindFileForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char* argv[]) {
    PinLocalTimeZone();
    RaiseOpenFileLimit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quendal"));
    InstallFailureReporter(ProgramVersion(), [](const QString& message) {
        QMessageBox::critical(nullptr, QStringLiteral("Quendal"), message);
    });

    const std::unique_ptr<SettingsMedium> settings = CreateUserSettingsMedium();
    DesktopWarningBox warnings;
    DesktopFolderPicker folderPicker;
    const std::unique_ptr<DesktopShell> shell = CreateDesktopShell();
    FormServices services;
    services.settings = settings.get();
    services.warnings = &warnings;
    services.folderPicker = &folderPicker;
    services.shell = shell.get();
    services.documentsFolder = UserDocumentsFolder;
    services.programFolder = QApplication::applicationDirPath();

    TFindFileForm form(services);
    // Centred on the screen.
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    try {
        return app.exec();
    } catch (...) {
        std::terminate(); // reported by the failure reporter, with what was thrown
    }
}
