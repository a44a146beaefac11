#include "TFindFileForm.h"

#include "ContentMatch.h"
#include "FolderWalk.h"
#include "NativeFile.h"
#include "NumberText.h"
#include "TextHelpers.h"

// The commands that hand a found file to other programs. None of them changes a file.

namespace {
const QString kLogExtension = QStringLiteral(".LOG");

bool IsLogFile(const QString& path) {
    return UpperCodeUnits(ExtensionOf(path)) == kLogExtension;
}
} // namespace

QString TFindFileForm::programFolder() const {
    return WithFinalSeparator(m_services.programFolder);
}

QString TFindFileForm::focusedFullName() const {
    const std::optional<int> row = FileNameListLogic->focusedRow();
    if (!row)
        return {};
    return FileNameListLogic->cellText(*row, ResultColumn::Path) +
           FileNameListLogic->cellText(*row, ResultColumn::Name);
}

QString TFindFileForm::AssociatedProgram(const QString& document) {
    return m_services.shell->associatedProgram(document);
}

QString TFindFileForm::ReadmeViewerProgram() {
    const QString viewer =
        AssociatedProgram(QLatin1Char('"') + programFolder() +
                          QStringLiteral("Quendal Readme.txt") + QLatin1Char('"'));
    return viewer.isEmpty() ? m_services.shell->fallbackTextViewer() : viewer;
}

QString TFindFileForm::TextViewerProgram() {
    const QString viewer = AssociatedProgram(programFolder() + QStringLiteral("Readme.txt"));
    return viewer.isEmpty() ? m_services.shell->fallbackTextViewer() : viewer;
}

void TFindFileForm::showViewerFailure(const QString& viewer) {
    m_services.warnings->showWarning(this, QStringLiteral("The program \"") + viewer +
                                               QStringLiteral("\" could not open the file(s)."));
}

void TFindFileForm::OpenButtonClick() {
    const std::optional<int> row = FileNameListLogic->focusedRow();
    if (!row)
        return;
    const QString full = focusedFullName();
    if (!m_services.shell->openDocument(full)) {
        m_services.warnings->showWarning(
            this, QStringLiteral("Could not find your default program for reading GEDCOM files."));
        return;
    }
    if (LogFileButton->isEnabled())
        return;
    // The program just opened may have written the companion log file: show its date.
    const QString log = full + QStringLiteral(".log");
    if (!StatPath(log).isFile)
        return;
    const DateTimeValue value = FileModifiedOrZero(log);
    FileNameListLogic->setCellText(*row, ResultColumn::LogFileDateRaw, GeneralNumberText(value));
    FileNameListLogic->setCellText(*row, ResultColumn::LogFileDate,
                                   value == 0 ? QString() : DateTimeText(value));
    LogFileButton->setEnabled(true);
    LogFileRightMenu->setEnabled(LogFileButton->isEnabled());
}

void TFindFileForm::ViewButtonClick() {
    QString file = focusedFullName();
    if (file.isEmpty())
        return;
    if (IsLogFile(file))
        file.chop(4); // a found log file shows the data file it belongs to
    const QString viewer = ReadmeViewerProgram();
    if (!m_services.shell->startProgram(viewer, {file}))
        showViewerFailure(viewer);
}

void TFindFileForm::LogFileButtonClick() {
    QString file = focusedFullName();
    if (file.isEmpty())
        return;
    if (!IsLogFile(file))
        file += QStringLiteral(
            ".log"); // not tested for existence: a missing log is the viewer's to say
    const QString viewer = TextViewerProgram();
    if (!m_services.shell->startProgram(viewer, {file}))
        showViewerFailure(viewer);
}

void TFindFileForm::HelpButtonClick() {
    m_services.shell->openDocument(programFolder() + helpFileName()); // a failure shows nothing
}

void TFindFileForm::TrialURLLabelClick() {
    m_services.shell->openWebAddress(productPage());
}

void TFindFileForm::TrialURLLabelMouseEnter() {
    QPalette palette = TrialURLLabel->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 128)); // purple while pointed at
    TrialURLLabel->setPalette(palette);
}

void TFindFileForm::TrialURLLabelMouseLeave() {
    QPalette palette = TrialURLLabel->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255)); // blue
    TrialURLLabel->setPalette(palette);
}
