#include "TFindFileForm.h"

#include "FolderWalk.h"
#include "ProgramVersion.h"
#include "SearchRun.h"
#include "TThread1.h"
#include "TextHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace {
// Design size of the client area and of its bands, in pixels at 96 dpi.
constexpr int kClientWidth = 624, kClientHeight = 381;
constexpr int kCriteriaBandHeight = 171, kButtonColumnWidth = 103;
constexpr int kFileBandHeight = 40, kStatusHeight = 22;
constexpr int kCriteriaLeftWidth = kClientWidth - kButtonColumnWidth;

const char* const kTypeEntries[] = {
    "GEDCOM Files (*.ged)",
    "All Files (*.*)",
    "All Files except *.ged",
    "Torvex Organize Files (*.tvx)",
    "Torvex & GEDCOM Files (*.tvx,*.ged)",
    "All Files except *.tvx and *.ged",
};

QComboBox* EditableDropdown(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the recent-entry lists are kept by the search
    box->setDuplicatesEnabled(true);
    box->setMaxVisibleItems(10);
    return box;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void SetItems(QComboBox* box, const QStringList& items, const QString& text) {
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

// A label whose accelerator letter is shown but tied to no control: the letter is underlined
// and no shortcut is made.
QLabel* AcceleratorLabel(const QString& caption, QWidget* parent) {
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    QString html = caption.left(amp).toHtmlEscaped() + QStringLiteral("<u>") +
                   caption.mid(amp + 1, 1).toHtmlEscaped() + QStringLiteral("</u>") +
                   caption.mid(amp + 2).toHtmlEscaped();
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    return label;
}

QString ProgramFolderOf(const QString& folder) {
    return WithFinalSeparator(folder);
}
} // namespace

QString CompleteLookIn(const QString& text) {
    return WithFinalSeparator(text);
}

TFindFileForm::TFindFileForm(const FormServices& services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    setObjectName(QStringLiteral("FindFileForm"));
    setWindowTitle(QStringLiteral("Quendal"));
    // While the window is built its settings component opens the program's root key.
    m_settings = std::make_unique<SettingsStore>(*m_services.settings);
    m_settings->openRoot();
    buildControls();
    FormCreate();
}

TFindFileForm::~TFindFileForm() {
    // A search still running is stopped and waited for here, before any control goes: its
    // hand-overs return at once from now on, so the worker winds down within one file.
    if (m_worker) {
        m_worker->requestStop();
        m_channel->abandon();
        m_worker->wait();
    }
}

int TFindFileForm::scaled(int pixels) const {
    return qRound(pixels * logicalDpiY() / 96.0);
}

void TFindFileForm::buildControls() {
    // The layout's font size: 8 points, so that captions fit the laid-out places.
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);
    Panel1 = new QWidget(this);
    Panel3 = new QWidget(Panel1);
    Panel4 = new QWidget(Panel1);
    Panel2 = new QWidget(this);

    Label1 = AcceleratorLabel(QStringLiteral("&Type:"), Panel3);
    TypeDropdown = EditableDropdown(Panel3);
    for (const char* entry : kTypeEntries)
        TypeDropdown->addItem(QString::fromLatin1(entry));
    TypeDropdown->setEditText(QString::fromLatin1(kTypeEntries[0]));
    connect(TypeDropdown, &QComboBox::editTextChanged, this, [this] { TypeDropdownChange(); });
    Label5 = AcceleratorLabel(QStringLiteral("&Name Contains:"), Panel3);
    NameContainsDropdown = EditableDropdown(Panel3);
    Label3 = AcceleratorLabel(QStringLiteral("Loo&k in:"), Panel3);
    LookInEdit = EditableDropdown(Panel3);
    LookInEdit->setEditText(QStringLiteral("c:\\"));
    IncludeSubfoldersCheck = new QCheckBox(QStringLiteral("&Include subfolders"), Panel3);
    IncludeSubfoldersCheck->setChecked(true);
    BrowseButton = new QPushButton(QStringLiteral("&Browse..."), Panel3);
    Animate1 = new SearchAnimation(Panel3);
    Label2 = AcceleratorLabel(QStringLiteral("Files &Contain:"), Panel3);
    ContainingTextBox = EditableDropdown(Panel3);
    MatchCaseCheck = new QCheckBox(QStringLiteral("&Match case"), Panel3);
    WholeWordCheck = new QCheckBox(QStringLiteral("&Whole word"), Panel3);
    InWhatGroup = new QGroupBox(QStringLiteral("&In What"), Panel3);
    const char* choices[] = {"&Data Files", "&Log Files", "&All Files"};
    for (int i = 0; i < 3; ++i)
        InWhatChoices[i] = new QRadioButton(QString::fromLatin1(choices[i]), InWhatGroup);
    InWhatChoices[0]->setChecked(true);

    FindButton = new QPushButton(QStringLiteral("&Find"), Panel4);
    StopButton = new QPushButton(QStringLiteral("&Stop"), Panel4);
    ClearButton = new QPushButton(QStringLiteral("Clea&r"), Panel4);
    HelpButton = new QPushButton(QStringLiteral("&Help"), Panel4);
    FindButton->setDefault(true);
    StopButton->setEnabled(false);
    ClearButton->setEnabled(false);

    FileNameListLogic = new ::FileNameList(this);
    FileNameListLogic->setFileActionsTarget(this);
    FileNameList = new FileNameListView(FileNameListLogic, this);
    FileNameList->setTabKeyNavigation(false); // Tab leaves the table, as in any list

    OpenButton = new QPushButton(QStringLiteral("&Open"), Panel2);
    ViewButton = new QPushButton(QStringLiteral("&View"), Panel2);
    LogFileButton = new QPushButton(QStringLiteral("&Log File"), Panel2);
    TryTorvexLabel =
        new QLabel(QStringLiteral("For a flexible GEDCOM viewer, try Torvex:"), Panel2);
    TrialURLLabel = new QLabel(makerSite(), Panel2);
    QFont linkFont = TrialURLLabel->font();
    linkFont.setUnderline(true);
    TrialURLLabel->setFont(linkFont);
    TrialURLLabel->setCursor(Qt::PointingHandCursor);
    TrialURLLabelMouseLeave(); // blue from the start
    TrialURLLabel->installEventFilter(this);

    StatusBar1 = new QLabel(this);
    StatusBar1->setFrameShape(QFrame::Panel);
    StatusBar1->setFrameShadow(QFrame::Sunken);
    StatusBar1->setTextFormat(Qt::PlainText);

    MouseRightMenu = new QMenu(this);
    OpenRightMenu = MouseRightMenu->addAction(QStringLiteral("&Open"));
    ViewRightMenu = MouseRightMenu->addAction(QStringLiteral("&View"));
    LogFileRightMenu = MouseRightMenu->addAction(QStringLiteral("&Log File"));
    N1 = MouseRightMenu->addSeparator();
    HelpRightMenu = MouseRightMenu->addAction(QStringLiteral("&Help"));
    HelpRightMenu->setShortcut(QKeySequence(Qt::Key_F1));
    HelpRightMenu->setShortcutContext(Qt::WindowShortcut);
    addAction(HelpRightMenu); // the menu's F1 is a shortcut of the whole window

    for (QPushButton* b : {BrowseButton, FindButton, StopButton, ClearButton, HelpButton,
                           OpenButton, ViewButton, LogFileButton})
        b->setAutoDefault(true); // Enter presses the button that has the focus
    for (QComboBox* box : {TypeDropdown, NameContainsDropdown, LookInEdit, ContainingTextBox})
        box->lineEdit()->installEventFilter(this);

    connect(FindButton, &QPushButton::clicked, this, &TFindFileForm::FindButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TFindFileForm::StopButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TFindFileForm::ClearButtonClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TFindFileForm::BrowseButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TFindFileForm::HelpButtonClick);
    connect(OpenButton, &QPushButton::clicked, this, &TFindFileForm::OpenButtonClick);
    connect(ViewButton, &QPushButton::clicked, this, &TFindFileForm::ViewButtonClick);
    connect(LogFileButton, &QPushButton::clicked, this, &TFindFileForm::LogFileButtonClick);
    connect(OpenRightMenu, &QAction::triggered, this, &TFindFileForm::OpenRightMenuClick);
    connect(ViewRightMenu, &QAction::triggered, this, &TFindFileForm::ViewRightMenuClick);
    connect(LogFileRightMenu, &QAction::triggered, this, &TFindFileForm::LogFileRightMenuClick);
    connect(HelpRightMenu, &QAction::triggered, this, &TFindFileForm::HelpRightMenuClick);

    setMinimumSize(scaled(kClientWidth), scaled(kClientHeight));
    resize(scaled(kClientWidth), scaled(kClientHeight));
    setTabOrder(TypeDropdown, NameContainsDropdown);
    setTabOrder(NameContainsDropdown, LookInEdit);
    setTabOrder(LookInEdit, IncludeSubfoldersCheck);
    setTabOrder(IncludeSubfoldersCheck, BrowseButton);
    setTabOrder(BrowseButton, ContainingTextBox);
    setTabOrder(ContainingTextBox, MatchCaseCheck);
    setTabOrder(MatchCaseCheck, WholeWordCheck);
    setTabOrder(WholeWordCheck, InWhatChoices[0]);
    setTabOrder(InWhatChoices[0], FindButton);
    setTabOrder(FindButton, StopButton);
    setTabOrder(StopButton, ClearButton);
    setTabOrder(ClearButton, HelpButton);
    setTabOrder(HelpButton, FileNameList);
    setTabOrder(FileNameList, OpenButton);
    setTabOrder(OpenButton, ViewButton);
    setTabOrder(ViewButton, LogFileButton);
    layOut();
}

void TFindFileForm::layOut() {
    const int w = width(), h = height();
    auto s = [this](int px) { return scaled(px); };
    // Bands: criteria at the top, the status line and the file buttons at the bottom, the
    // table in between; the button column keeps to the right edge.
    Panel1->setGeometry(0, 0, w, s(kCriteriaBandHeight));
    Panel4->setGeometry(w - s(kButtonColumnWidth), 0, s(kButtonColumnWidth),
                        s(kCriteriaBandHeight));
    Panel3->setGeometry(0, 0, w - s(kButtonColumnWidth), s(kCriteriaBandHeight));
    StatusBar1->setGeometry(0, h - s(kStatusHeight), w, s(kStatusHeight));
    Panel2->setGeometry(0, h - s(kStatusHeight) - s(kFileBandHeight), w, s(kFileBandHeight));
    FileNameList->setGeometry(
        0, s(kCriteriaBandHeight), w,
        qMax(0, h - s(kCriteriaBandHeight) - s(kStatusHeight) - s(kFileBandHeight)));

    // The wide boxes stretch by what the criteria band gained; the animation moves with them.
    const int grow = Panel3->width() - s(kCriteriaLeftWidth);
    const int comboHeight = TypeDropdown->sizeHint().height();
    auto place = [&](QWidget* wgt, int x, int y, int width, int height) {
        wgt->setGeometry(s(x), s(y), s(width), height > 0 ? s(height) : wgt->sizeHint().height());
    };
    auto placeLabel = [&](QLabel* label, int x, int y) {
        label->adjustSize();
        label->move(s(x), s(y));
    };
    placeLabel(Label1, 20, 11);
    TypeDropdown->setGeometry(s(64), s(9) - 2, s(203), comboHeight);
    placeLabel(Label5, 292, 11);
    NameContainsDropdown->setGeometry(s(373), s(9) - 2, s(129) + grow, comboHeight);
    placeLabel(Label3, 20, 39);
    LookInEdit->setGeometry(s(64), s(36) - 2, s(438) + grow, comboHeight);
    // Captions longer than their laid-out width (fonts differ between desktops) keep their
    // whole text; what stands to their right moves over as far as needed.
    place(IncludeSubfoldersCheck, 20, 63, 111, 24);
    IncludeSubfoldersCheck->resize(
        qMax(IncludeSubfoldersCheck->width(), IncludeSubfoldersCheck->sizeHint().width()),
        IncludeSubfoldersCheck->height());
    place(BrowseButton, 137, 63, 78, 24);
    BrowseButton->move(qMax(BrowseButton->x(), IncludeSubfoldersCheck->geometry().right() + s(6)),
                       BrowseButton->y());
    Animate1->setGeometry(s(433) + grow, s(63), s(80), s(50));
    placeLabel(Label2, 20, 98);
    ContainingTextBox->setGeometry(s(103), s(92) - 2, s(311) + grow, comboHeight);
    place(MatchCaseCheck, 104, 119, 87, 19);
    place(WholeWordCheck, 104, 138, 87, 19);
    place(InWhatGroup, 197, 119, 244, 42);
    const int third = InWhatGroup->width() / 3;
    for (int i = 0; i < 3; ++i)
        InWhatChoices[i]->setGeometry(s(6) + i * third, s(16), third - s(6), s(20));
    place(FindButton, 6, 11, 78, 24);
    place(StopButton, 6, 41, 78, 24);
    place(ClearButton, 6, 71, 78, 24);
    place(HelpButton, 6, 128, 78, 24);
    place(OpenButton, 9, 9, 75, 25);
    place(ViewButton, 105, 9, 75, 25);
    place(LogFileButton, 199, 9, 75, 25);
    placeLabel(TryTorvexLabel, 199, 15);
    TrialURLLabel->adjustSize();
    TrialURLLabel->move(qMax(s(405), TryTorvexLabel->geometry().right() + s(6)), s(15));
}

void TFindFileForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void TFindFileForm::FormCreate() {
    // 1 to 3: the companion viewer decides what is offered.
    CompanionInstalled = m_settings->companionInstalled();
    InWhatGroup->setVisible(CompanionInstalled);
    TryTorvexLabel->setVisible(!CompanionInstalled);
    TrialURLLabel->setVisible(!CompanionInstalled);
    LogFileButton->setVisible(CompanionInstalled);
    LogFileRightMenu->setVisible(LogFileButton->isVisibleTo(this));
    FileNameList->setLogFileDateShown(CompanionInstalled);
    if (!CompanionInstalled) {
        for (int position : {5, 4, 3})
            TypeDropdown->removeItem(position);
        TypeDropdown->setEditText(QString::fromLatin1(kTypeEntries[0]));
        MouseRightMenu->removeAction(LogFileRightMenu);
    }
    // 4: the title with the version.
    setWindowTitle(QStringLiteral("Quendal ") + ProgramVersion());
    // 5 and 6: the recent-entry lists, and the program's folder.
    const RecentLists lists = m_settings->loadLists();
    SetItems(LookInEdit, lists.lookIn, LookInEdit->currentText());
    SetItems(ContainingTextBox, lists.containingText, QString());
    SetItems(NameContainsDropdown, lists.nameContains, QString());
    m_settings->recordProgramFolder(ProgramFolderOf(m_services.programFolder));
    // 7: the look-in text.
    QString lookIn;
    if (LookInEdit->count() > 0)
        lookIn = LookInEdit->itemText(0);
    else if (m_services.documentsFolder)
        lookIn = m_services.documentsFolder();
    if (lookIn.isEmpty())
        lookIn = QDir::rootPath(); // where the desktop has no documents folder
    LookInEdit->setEditText(lookIn);
    // 8: nothing to act on yet.
    setFileActionStates(false, false, false);
}

void TFindFileForm::setFileActionStates(bool open, bool view, bool logFile) {
    OpenButton->setEnabled(open);
    ViewButton->setEnabled(view);
    LogFileButton->setEnabled(logFile);
    OpenRightMenu->setEnabled(OpenButton->isEnabled());
    ViewRightMenu->setEnabled(ViewButton->isEnabled());
    LogFileRightMenu->setEnabled(LogFileButton->isEnabled());
}

void TFindFileForm::setFileActionsEnabled(bool open, bool view, bool logFile) {
    setFileActionStates(open, view, logFile);
}

void TFindFileForm::FindButtonClick() {
    if (searchRunning())
        return; // one run at a time
    setFileActionStates(false, false, false);
    if (TypeDropdown->currentText().isEmpty()) {
        m_services.warnings->showWarning(this, QStringLiteral("Enter file type"));
        TypeDropdown->setFocus();
        return;
    }
    if (LookInEdit->currentText().isEmpty()) {
        m_services.warnings->showWarning(this, QStringLiteral("Enter folder to look in"));
        LookInEdit->setFocus();
        return;
    }
    const QString completed = CompleteLookIn(LookInEdit->currentText());
    if (completed != LookInEdit->currentText())
        LookInEdit->setEditText(completed);
    FindButton->setEnabled(false);
    StopButton->setEnabled(true);
    ClearButton->setEnabled(false);
    BrowseButton->setEnabled(false);

    SearchCriteria criteria;
    criteria.TypeText = TypeDropdown->currentText();
    criteria.LookIn = LookInEdit->currentText();
    criteria.IncludeSubfolders = IncludeSubfoldersCheck->isChecked();
    criteria.NameContains = NameContainsDropdown->currentText();
    criteria.ContainingText = ContainingTextBox->currentText();
    criteria.MatchCase = MatchCaseCheck->isChecked();
    criteria.WholeWord = WholeWordCheck->isChecked();
    criteria.InWhat = InWhatChoices[2]->isChecked()   ? InWhatChoice::AllFiles
                      : InWhatChoices[1]->isChecked() ? InWhatChoice::LogFiles
                                                      : InWhatChoice::DataFiles;

    m_channel = std::make_shared<HandoverChannel>(this);
    auto* worker = new TThread1(criteria, this, m_channel);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater); // releases itself
    m_worker = worker;
    worker->start(QThread::HighPriority); // one step above normal
    Animate1->start();
}

void TFindFileForm::StopButtonClick() {
    if (m_worker)
        m_worker->requestStop();
}

bool TFindFileForm::event(QEvent* event) {
    if (event->type() == CompletionNotice::kType) {
        completionNoticeHandled();
        return true;
    }
    return QWidget::event(event);
}

void TFindFileForm::completionNoticeHandled() {
    m_worker.clear();
    Animate1->stop();
    FindButton->setEnabled(true);
    StopButton->setEnabled(false);
    ClearButton->setEnabled(true);
    BrowseButton->setEnabled(true);
}

void TFindFileForm::updateRecentLists() {
    for (QComboBox* box : {LookInEdit, ContainingTextBox, NameContainsDropdown}) {
        QStringList items = Items(box);
        const QString text = box->currentText();
        if (TrimBlanksAndControls(text).isEmpty())
            continue;
        UpdateRecentList(items, text);
        SetItems(box, items, text);
    }
}

void TFindFileForm::focusFirstRowAndTabOn() {
    FileNameListLogic->focusRow(FileNameListLogic->rowCount() > 0 ? std::optional<int>(0)
                                                                  : std::nullopt);
    FileNameList->setFocus(Qt::OtherFocusReason);
    // As if the user pressed Tab: the focus moves on from the table.
    QCoreApplication::postEvent(FileNameList,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void TFindFileForm::ClearButtonClick() {
    ContainingTextBox->setEditText(QString());
    NameContainsDropdown->setEditText(QString());
    FileNameListLogic->clearRows();
    ClearButton->setEnabled(false);
    setFileActionStates(false, false, false);
}

void TFindFileForm::BrowseButtonClick() {
    BrowseButton->setEnabled(false);
    if (const std::optional<QString> folder =
            m_services.folderPicker->pickFolder(this, LookInEdit->currentText()))
        LookInEdit->setEditText(*folder);
    BrowseButton->setEnabled(true);
}

void TFindFileForm::FormClose() {
    if (StopButton->isEnabled())
        StopButtonClick(); // the close does not wait for the worker
    RecentLists lists;
    lists.lookIn = Items(LookInEdit);
    lists.containingText = Items(ContainingTextBox);
    lists.nameContains = Items(NameContainsDropdown);
    m_settings->saveLists(lists);
}

void TFindFileForm::closeEvent(QCloseEvent* event) {
    // A running search only gets its stop request here; the window object waits for the worker
    // when it is destroyed, so no hand-over ever reaches a window that no longer exists.
    FormClose();
    event->accept();
}

void TFindFileForm::contextMenuEvent(QContextMenuEvent* event) {
    MouseRightMenu->popup(event->globalPos());
}

bool TFindFileForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TrialURLLabel) {
        if (event->type() == QEvent::Enter)
            TrialURLLabelMouseEnter();
        else if (event->type() == QEvent::Leave)
            TrialURLLabelMouseLeave();
        else if (event->type() == QEvent::MouseButtonRelease)
            TrialURLLabelClick();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // The editable boxes keep Enter and Esc for themselves; the window's buttons get them.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Escape) {
            keyPressEvent(key);
            return key->isAccepted();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFindFileForm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        FindButton->isEnabled()) {
        FindButton->click(); // the default button
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && StopButton->isEnabled()) {
        StopButton->click(); // the cancel button
        event->accept();
        return;
    }
    event->ignore();
}
