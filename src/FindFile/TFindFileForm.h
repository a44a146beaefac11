#pragma once

#include "DesktopDialogs.h"
#include "DesktopShell.h"
#include "FileNameList.h"
#include "FileNameListView.h"
#include "Handover.h"
#include "SearchAnimation.h"
#include "SettingsMedium.h"
#include "SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <memory>

class TThread1;

// What the window needs of the desktop; tests put their own in.
struct FormServices {
    SettingsMedium* settings = nullptr;
    WarningBox* warnings = nullptr;
    FolderPicker* folderPicker = nullptr;
    DesktopShell* shell = nullptr;
    std::function<QString()> documentsFolder;
    QString programFolder; // the folder of the executable, with its final separator
};

// The main window.
class TFindFileForm : public QWidget, public FileActionsTarget {
    Q_OBJECT
public:
    explicit TFindFileForm(const FormServices& services, QWidget* parent = nullptr);
    ~TFindFileForm() override;

    // Controls, named after their role and kind.
    QWidget* Panel1;
    QWidget* Panel2;
    QWidget* Panel3;
    QWidget* Panel4;
    QLabel* Label1;
    QComboBox* TypeDropdown;
    QLabel* Label5;
    QComboBox* NameContainsDropdown;
    QLabel* Label3;
    QComboBox* LookInEdit;
    QCheckBox* IncludeSubfoldersCheck;
    QPushButton* BrowseButton;
    SearchAnimation* Animate1;
    QLabel* Label2;
    QComboBox* ContainingTextBox;
    QCheckBox* MatchCaseCheck;
    QCheckBox* WholeWordCheck;
    QGroupBox* InWhatGroup;
    QRadioButton* InWhatChoices[3];
    QPushButton* FindButton;
    QPushButton* StopButton;
    QPushButton* ClearButton;
    QPushButton* HelpButton;
    ::FileNameList* FileNameListLogic;
    FileNameListView* FileNameList;
    QPushButton* OpenButton;
    QPushButton* ViewButton;
    QPushButton* LogFileButton;
    QLabel* TryTorvexLabel;
    QLabel* TrialURLLabel;
    QLabel* StatusBar1;
    QMenu* MouseRightMenu;
    QAction* OpenRightMenu;
    QAction* ViewRightMenu;
    QAction* LogFileRightMenu;
    QAction* N1;
    QAction* HelpRightMenu;

    bool CompanionInstalled = false;

    // Handlers.
    void FormCreate();
    void FormClose();
    void FindButtonClick();
    void StopButtonClick();
    void ClearButtonClick();
    void BrowseButtonClick();
    void TypeDropdownChange() {}
    void OpenButtonClick();
    void ViewButtonClick();
    void LogFileButtonClick();
    void HelpButtonClick();
    void HelpRightMenuClick() { HelpButtonClick(); }
    void OpenRightMenuClick() { OpenButtonClick(); }
    void ViewRightMenuClick() { ViewButtonClick(); }
    void LogFileRightMenuClick() { LogFileButtonClick(); }
    void FileNameListDblClick() { OpenButtonClick(); }
    void TrialURLLabelClick();
    void TrialURLLabelMouseEnter();
    void TrialURLLabelMouseLeave();

    // FileActionsTarget: the table's focus notice and double-click.
    void setFileActionsEnabled(bool open, bool view, bool logFile) override;
    void runOpen() override { FileNameListDblClick(); }

    // Hand-over steps of a search run (UI thread).
    void updateRecentLists();
    void focusFirstRowAndTabOn();

    bool searchRunning() const { return !m_worker.isNull(); }
    int scaled(int pixels) const;

    // The maker's site and product page.
    static QString makerSite() { return QStringLiteral("www.torvex.example"); }
    static QString productPage() {
        return QStringLiteral("https://www.torvex.example/torvex_qnd.php?prog");
    }
    // The help file beside the executable.
    static QString helpFileName() {
#ifdef Q_OS_WIN
        return QStringLiteral("quendal.chm");
#else
        return QStringLiteral("quendal.html");
#endif
    }

    // The viewers of View and Log File, looked up anew at every use.
    QString AssociatedProgram(const QString& document);
    QString ReadmeViewerProgram();
    QString TextViewerProgram();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void layOut();
    void setFileActionStates(bool open, bool view, bool logFile);
    void completionNoticeHandled();
    QString programFolder() const;
    QString focusedFullName() const;
    void showViewerFailure(const QString& viewer);

    FormServices m_services;
    std::unique_ptr<SettingsStore> m_settings;
    QPointer<TThread1> m_worker;
    std::shared_ptr<HandoverChannel> m_channel;
};

// Appends the path separator unless the text ends with one (or, on Windows, with a drive colon).
QString CompleteLookIn(const QString& text);
