#include "FixtureTree.h"
#include "FormFixture.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

bool WaitForSearchEnd(TFindFileForm& form) {
    return QTest::qWaitFor([&] { return !form.searchRunning() && form.FindButton->isEnabled(); },
                           20000);
}

void MakeTree(const FixtureTree& tree, int files) {
    for (int i = 0; i < files; ++i)
        tree.write(QStringLiteral("d%1/f%2.ged").arg(i % 20).arg(i), Ged55());
}
} // namespace

class TestFindFileForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startWithoutCompanion();
    void startWithCompanion();
    void lookInFromStoreEvenIfMissing();
    void emptyTypeWarns();
    void emptyLookInWarns();
    void separatorAppended();
    void searchOverTree();
    void stopDuringSearch();
    void enterStartsSearchEscapeStops();
    void recentListsAtTenAndCaseChange();
    void clearKeepsEntries();
    void browse();
    void settingsRoundTripWithGaps();
    void emptyContainingTextEntryKept();
    void closingDuringLongSearch();
    void settingsThatCannotBeWritten();
    void damagedSettingsFile();
    void destroyingDuringLongSearch();
    void closingDuringSearchFiftyTimes();
    void stopAtEveryStage_data();
    void stopAtEveryStage();
    void screenshots();
};

void TestFindFileForm::startWithoutCompanion() {
    FormFixture fx;
    auto form = fx.makeForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Quendal 1.0.1"));
    QVERIFY(!form->CompanionInstalled);
    QCOMPARE(Items(form->TypeDropdown),
             (QStringList{"GEDCOM Files (*.ged)", "All Files (*.*)", "All Files except *.ged"}));
    QCOMPARE(form->TypeDropdown->currentText(), QStringLiteral("GEDCOM Files (*.ged)"));
    QVERIFY(form->LogFileButton->isHidden());
    QVERIFY(form->InWhatGroup->isHidden());
    QVERIFY(!form->TryTorvexLabel->isHidden());
    QVERIFY(!form->TrialURLLabel->isHidden());
    QCOMPARE(form->MouseRightMenu->actions().size(), 4);
    QVERIFY(!form->MouseRightMenu->actions().contains(form->LogFileRightMenu));
    QVERIFY(form->FileNameList->isColumnHidden(int(ResultColumn::LogFileDate)));
    QCOMPARE(form->LookInEdit->currentText(), fx.documents);
    for (QPushButton* b : {form->OpenButton, form->ViewButton, form->LogFileButton,
                           form->StopButton, form->ClearButton})
        QVERIFY(!b->isEnabled());
    QVERIFY(form->FindButton->isEnabled() && form->BrowseButton->isEnabled() &&
            form->HelpButton->isEnabled());
    for (QAction* a : {form->OpenRightMenu, form->ViewRightMenu, form->LogFileRightMenu})
        QVERIFY(!a->isEnabled());
    QCOMPARE(fx.stored("\\Location", "Path"), QStringLiteral("/opt/quendal/"));
    QVERIFY(fx.medium->keyExists("\\Software\\Torvex-Quendal"));
    QVERIFY(!form->Animate1->isRunning());
    QVERIFY(form->StatusBar1->text().isEmpty());
}

void TestFindFileForm::startWithCompanion() {
    FormFixture fx;
    fx.installCompanion();
    auto form = fx.makeForm();
    QVERIFY(form->CompanionInstalled);
    QCOMPARE(form->TypeDropdown->count(), 6);
    QVERIFY(!form->LogFileButton->isHidden());
    QVERIFY(!form->InWhatGroup->isHidden());
    QVERIFY(form->TryTorvexLabel->isHidden() && form->TrialURLLabel->isHidden());
    QCOMPARE(form->MouseRightMenu->actions().size(), 5);
    QVERIFY(!form->FileNameList->isColumnHidden(int(ResultColumn::LogFileDate)));
}

void TestFindFileForm::lookInFromStoreEvenIfMissing() {
    FormFixture fx;
    fx.store("LookIn1", "/no/longer/there/");
    fx.store("LookIn2", "/second/");
    auto form = fx.makeForm();
    QCOMPARE(form->LookInEdit->currentText(), QStringLiteral("/no/longer/there/"));
    QCOMPARE(Items(form->LookInEdit), (QStringList{"/no/longer/there/", "/second/"}));
    // A program folder already recorded stays as it was.
    FormFixture moved;
    moved.medium->writeText("\\Software\\Torvex-Quendal\\Location", "Path", "/first/place/");
    auto again = moved.makeForm();
    QCOMPARE(moved.stored("\\Location", "Path"), QStringLiteral("/first/place/"));
}

void TestFindFileForm::emptyTypeWarns() {
    FormFixture fx;
    auto form = fx.makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->OpenButton->setEnabled(true);
    form->TypeDropdown->setEditText(QString());
    form->FindButton->click();
    QCOMPARE(fx.warnings.shown, QStringList{"Enter file type"});
    QVERIFY(form->TypeDropdown->hasFocus());
    QVERIFY(!form->searchRunning());
    QVERIFY(!form->OpenButton->isEnabled() && !form->OpenRightMenu->isEnabled());
    QVERIFY(form->FindButton->isEnabled());
}

void TestFindFileForm::emptyLookInWarns() {
    FormFixture fx;
    auto form = fx.makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->LookInEdit->setEditText(QString());
    form->FindButton->click();
    QCOMPARE(fx.warnings.shown, QStringList{"Enter folder to look in"});
    QVERIFY(form->LookInEdit->hasFocus());
    QVERIFY(!form->searchRunning());
}

void TestFindFileForm::separatorAppended() {
    FormFixture fx;
    FixtureTree tree;
    auto form = fx.makeForm();
    QString root = tree.root();
    root.chop(1);
    form->LookInEdit->setEditText(root);
    form->FindButton->click();
    QCOMPARE(form->LookInEdit->currentText(), tree.root());
    QVERIFY(WaitForSearchEnd(*form));
    // Blanks only are not empty: a run starts and walks them with a separator.
    form->LookInEdit->setEditText(QStringLiteral("   "));
    form->FindButton->click();
    QVERIFY(fx.warnings.shown.isEmpty());
    QCOMPARE(form->LookInEdit->currentText(), QStringLiteral("   /"));
    QVERIFY(WaitForSearchEnd(*form));
    QCOMPARE(form->StatusBar1->text(), QStringLiteral("Search ended (0 files found in 1 folder)"));
}

void TestFindFileForm::searchOverTree() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    tree.write("sub/jones.ged",
               "0 HEAD\r\n1 SOUR PAF\r\n2 VERS 5.2.18.0\r\n1 GEDC\r\n2 VERS 5.5\r\n0 TRLR\r\n");
    tree.write("sub/notes.txt", "x");
    auto form = fx.makeForm();
    QAbstractItemModelTester tester(form->FileNameListLogic->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->StatusBar1->setText(QStringLiteral("before"));
    form->LookInEdit->setEditText(tree.root());
    form->NameContainsDropdown->setEditText(QStringLiteral(".ged"));
    form->FindButton->click();
    QVERIFY(!form->FindButton->isEnabled());
    QVERIFY(form->StopButton->isEnabled());
    QVERIFY(!form->ClearButton->isEnabled() && !form->BrowseButton->isEnabled());
    QVERIFY(form->Animate1->isRunning());
    QVERIFY(WaitForSearchEnd(*form));
    QCOMPARE(form->StatusBar1->text(), QStringLiteral("Search ended (2 files found in 2 folders)"));
    QCOMPARE(form->FileNameListLogic->rowCount(), 2);
    QCOMPARE(form->FileNameListLogic->cellText(0, ResultColumn::Name), QStringLiteral("smith.ged"));
    QCOMPARE(form->FileNameListLogic->cellText(1, ResultColumn::Program),
             QStringLiteral("PAF 5.2.18.0"));
    QVERIFY(!form->StopButton->isEnabled() && form->ClearButton->isEnabled() &&
            form->BrowseButton->isEnabled());
    QVERIFY(!form->Animate1->isRunning());
    QCOMPARE(*form->FileNameListLogic->focusedRow(), 0);
    QCOMPARE(Items(form->LookInEdit).first(), tree.root());
    QCOMPARE(Items(form->NameContainsDropdown), QStringList{".ged"});
    QVERIFY(Items(form->ContainingTextBox).isEmpty()); // an empty text is not remembered
    QTRY_VERIFY(form->OpenButton->isEnabled());        // the focus notice for the first row
    QVERIFY(form->ViewButton->isEnabled() && !form->LogFileButton->isEnabled());
    QVERIFY(form->OpenRightMenu->isEnabled());
}

void TestFindFileForm::stopDuringSearch() {
    FormFixture fx;
    FixtureTree tree;
    MakeTree(tree, 4000);
    auto form = fx.makeForm();
    form->LookInEdit->setEditText(tree.root());
    form->ContainingTextBox->setEditText(QStringLiteral("HEAD"));
    form->FindButton->click();
    form->StopButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    QVERIFY2(form->StatusBar1->text().startsWith(QStringLiteral("Search cancelled (")),
             qPrintable(form->StatusBar1->text()));
    QVERIFY(form->StatusBar1->text().contains(QLatin1String(" out of ")));
    QCOMPARE(Items(form->ContainingTextBox), QStringList{"HEAD"}); // lists still updated
    QVERIFY(form->FindButton->isEnabled() && !form->StopButton->isEnabled());
    form->StopButton->click(); // after the end: nothing
    QVERIFY(form->FindButton->isEnabled());
}

void TestFindFileForm::enterStartsSearchEscapeStops() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    auto form = fx.makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->LookInEdit->setEditText(tree.root());
    QTest::keyClick(form->NameContainsDropdown->lineEdit(), Qt::Key_Escape); // no search: nothing
    QVERIFY(!form->searchRunning());
    QTest::keyClick(form->NameContainsDropdown->lineEdit(), Qt::Key_Return);
    QVERIFY(WaitForSearchEnd(*form));
    QCOMPARE(form->StatusBar1->text(), QStringLiteral("Search ended (1 file found in 1 folder)"));
}

void TestFindFileForm::recentListsAtTenAndCaseChange() {
    FormFixture fx;
    for (int i = 1; i <= 10; ++i)
        fx.store(QStringLiteral("ContainingText%1").arg(i), QStringLiteral("text%1").arg(i));
    fx.store("NameContains1", "smith");
    FixtureTree tree;
    auto form = fx.makeForm();
    form->LookInEdit->setEditText(tree.root());
    form->ContainingTextBox->setEditText(QStringLiteral("new"));
    form->NameContainsDropdown->setEditText(QStringLiteral("SMITH"));
    form->FindButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    const QStringList texts = Items(form->ContainingTextBox);
    QCOMPARE(texts.size(), 10);
    QCOMPARE(texts.first(), QStringLiteral("new"));
    QVERIFY(!texts.contains(QStringLiteral("text10")));
    QCOMPARE(Items(form->NameContainsDropdown), QStringList{"SMITH"});
}

void TestFindFileForm::clearKeepsEntries() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    auto form = fx.makeForm();
    form->LookInEdit->setEditText(tree.root());
    form->ContainingTextBox->setEditText(QStringLiteral("HEAD"));
    form->NameContainsDropdown->setEditText(QStringLiteral("a"));
    form->FindButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    form->StatusBar1->setText(QStringLiteral("kept"));
    form->ClearButton->click();
    QVERIFY(form->ContainingTextBox->currentText().isEmpty());
    QVERIFY(form->NameContainsDropdown->currentText().isEmpty());
    QCOMPARE(Items(form->ContainingTextBox), QStringList{"HEAD"});
    QCOMPARE(form->LookInEdit->currentText(), tree.root());
    QCOMPARE(form->FileNameListLogic->rowCount(), 0);
    QVERIFY(!form->ClearButton->isEnabled() && !form->OpenButton->isEnabled() &&
            !form->OpenRightMenu->isEnabled());
    QCOMPARE(form->StatusBar1->text(), QStringLiteral("kept"));
}

void TestFindFileForm::browse() {
    FormFixture fx;
    auto form = fx.makeForm();
    form->LookInEdit->setEditText(QStringLiteral("/start"));
    fx.picker.answer = QStringLiteral("/chosen");
    form->BrowseButton->click();
    QCOMPARE(fx.picker.startedAt, QStringLiteral("/start"));
    QVERIFY(!fx.picker.browseButtonEnabledWhileOpen);
    QCOMPARE(form->LookInEdit->currentText(), QStringLiteral("/chosen"));
    QVERIFY(form->BrowseButton->isEnabled());
    fx.picker.answer.reset(); // cancelled
    form->BrowseButton->click();
    QCOMPARE(form->LookInEdit->currentText(), QStringLiteral("/chosen"));
}

void TestFindFileForm::settingsRoundTripWithGaps() {
    FormFixture fx;
    fx.store("LookIn1", "/a/");
    fx.store("LookIn2", "/b/");
    fx.store("LookIn4", "/d/");
    fx.store("LookIn11", "/never/");
    {
        auto form = fx.makeForm();
        QCOMPARE(Items(form->LookInEdit), (QStringList{"/a/", "/b/"}));
        form->close();
    }
    QCOMPARE(fx.stored("\\FindFiles", "LookIn4"), QStringLiteral("/d/"));
    QVERIFY(!fx.has("\\FindFiles", "LookIn3"));
    FixtureTree tree;
    {
        auto form = fx.makeForm();
        form->LookInEdit->setEditText(tree.root());
        form->FindButton->click();
        QVERIFY(WaitForSearchEnd(*form));
        form->close();
    }
    QCOMPARE(fx.stored("\\FindFiles", "LookIn1"), tree.root());
    QCOMPARE(fx.stored("\\FindFiles", "LookIn3"), QStringLiteral("/b/"));
    auto third = fx.makeForm();
    QCOMPARE(Items(third->LookInEdit), (QStringList{tree.root(), "/a/", "/b/", "/d/"}));
    // An empty LookIn value is skipped; "A, empty, B" loads as A, B.
    FormFixture gap;
    gap.store("LookIn1", "A");
    gap.store("LookIn2", "");
    gap.store("LookIn3", "B");
    {
        auto form = gap.makeForm();
        QCOMPARE(Items(form->LookInEdit), (QStringList{"A", "B"}));
        form->close();
    }
    QCOMPARE(gap.stored("\\FindFiles", "LookIn2"), QStringLiteral("B"));
    QCOMPARE(Items(gap.makeForm()->LookInEdit), (QStringList{"A", "B", "B"}));
}

void TestFindFileForm::emptyContainingTextEntryKept() {
    FormFixture fx;
    fx.store("ContainingText1", "smith");
    fx.store("ContainingText2", "");
    {
        auto form = fx.makeForm();
        QCOMPARE(Items(form->ContainingTextBox), (QStringList{"smith", ""}));
        form->close();
    }
    QVERIFY(fx.has("\\FindFiles", "ContainingText2"));
    QCOMPARE(fx.stored("\\FindFiles", "ContainingText2"), QString());
}

void TestFindFileForm::closingDuringLongSearch() {
    FormFixture fx;
    FixtureTree tree;
    MakeTree(tree, 3000);
    auto form = fx.makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->LookInEdit->setEditText(tree.root());
    form->ContainingTextBox->setEditText(QStringLiteral("x"));
    form->FindButton->click();
    QVERIFY(form->searchRunning());
    // The program's event loop ends when its window is closed, search or no search.
    QTimer::singleShot(0, form.get(), [&form] { form->close(); });
    QTimer guard; // ends the loop with 2 if closing did not
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { qApp->exit(2); });
    guard.start(10000);
    QCOMPARE(qApp->exec(), 0);
    QVERIFY(!form->isVisible());
    QVERIFY(WaitForSearchEnd(*form));                         // the run winds down on its own
    QCOMPARE(fx.stored("\\FindFiles", "LookIn1"), QString()); // saved before the run ended
    QVERIFY(!fx.has("\\FindFiles", "ContainingText1"));
}

void TestFindFileForm::settingsThatCannotBeWritten() {
    // The configuration folder is a file: nothing can be created or written there, as on a
    // full or read-only disk. The program starts, searches and closes all the same.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("config"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    FormFixture fx;
    fx.medium = CreateIniSettingsMedium(dir.filePath("config"));
    FixtureTree tree;
    tree.write("a.ged", Ged55());
    auto form = fx.makeForm();
    QCOMPARE(form->LookInEdit->currentText(), fx.documents);
    form->LookInEdit->setEditText(tree.root());
    form->FindButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    QCOMPARE(form->StatusBar1->text(), QStringLiteral("Search ended (1 file found in 1 folder)"));
    form->close();
    QVERIFY(blocker.open(QIODevice::ReadOnly));
    QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
}

void TestFindFileForm::damagedSettingsFile() {
    FormFixture fx;
    QDir(fx.config.path()).mkpath("Software");
    QFile file(fx.config.filePath("Software/Torvex-Quendal.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    static const char damaged[] =
        "\x00\xff garbage\n[FindFiles]\nLookIn1=\"/kept/\"\nLookIn2=\"cut\n\x01\x02\n";
    file.write(damaged, sizeof damaged - 1);
    file.close();
    auto form = fx.makeForm();
    QCOMPARE(Items(form->LookInEdit), QStringList{"/kept/"});
    form->close();
    QCOMPARE(fx.stored("\\FindFiles", "LookIn1"), QStringLiteral("/kept/"));
}

void TestFindFileForm::destroyingDuringLongSearch() {
    FormFixture fx;
    FixtureTree tree;
    MakeTree(tree, 3000);
    for (int round = 0; round < 50; ++round) {
        auto form = fx.makeForm();
        form->LookInEdit->setEditText(tree.root());
        form->FindButton->click();
        QTest::qWait(round % 5);
        form.reset(); // the worker is stopped and waited for; no hand-over reaches a dead window
    }
    QTest::qWait(50); // let the workers' deferred deletions run
}

void TestFindFileForm::closingDuringSearchFiftyTimes() {
    // Each window is closed while its search runs and goes only when its worker has wound
    // down; every window and worker is gone at the end.
    FixtureTree tree;
    MakeTree(tree, 600);
    FormFixture fx;
    int destroyed = 0;
    for (int round = 0; round < 50; ++round) {
        TFindFileForm* form = fx.makeForm().release();
        form->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(form, &QObject::destroyed, [&destroyed] { ++destroyed; });
        form->show();
        form->LookInEdit->setEditText(tree.root());
        form->ContainingTextBox->setEditText(QStringLiteral("TRLR"));
        form->FindButton->click();
        QTest::qWait(round % 7);
        form->close();
        QTRY_COMPARE_WITH_TIMEOUT(destroyed, round + 1, 20000);
    }
}

void TestFindFileForm::stopAtEveryStage_data() {
    QTest::addColumn<int>("delayMs");
    for (int delay : {0, 1, 3, 10, 30, 100})
        QTest::newRow(qPrintable(QStringLiteral("after %1 ms").arg(delay))) << delay;
}

void TestFindFileForm::stopAtEveryStage() {
    QFETCH(int, delayMs);
    FormFixture fx;
    FixtureTree tree;
    MakeTree(tree, 1500);
    auto form = fx.makeForm();
    form->LookInEdit->setEditText(tree.root());
    form->FindButton->click();
    QTest::qWait(delayMs);
    form->StopButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    const QString line = form->StatusBar1->text();
    QVERIFY2(line.startsWith(QLatin1String("Search cancelled (")) ||
                 line.startsWith(QLatin1String("Search ended (")),
             qPrintable(line));
    if (line.startsWith(QLatin1String("Search ended")))
        QCOMPARE(form->FileNameListLogic->rowCount(), 1500);
    QVERIFY(!form->StopButton->isEnabled() && form->FindButton->isEnabled() &&
            form->ClearButton->isEnabled());
    QVERIFY(!form->FileNameListLogic->inBulkUpdate());
    QVERIFY(form->FileNameList->updatesEnabled());
    // And a new search runs to its end afterwards.
    form->FindButton->click();
    QVERIFY(WaitForSearchEnd(*form));
    QCOMPARE(form->StatusBar1->text(),
             QStringLiteral("Search ended (1500 files found in 21 folders)"));
}

void TestFindFileForm::screenshots() {
    // Writes pictures of the window after a search when QUENDAL_SCREENSHOT_DIR names a folder.
    const QString dir = qEnvironmentVariable("QUENDAL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set QUENDAL_SCREENSHOT_DIR to write screenshots");
    FixtureTree tree;
    tree.write("smith.ged",
               "\xEF\xBB\xBF"
               "0 HEAD\r\n1 SOUR Legacy 7\r\n1 GEDC\r\n2 VERS 5.5.1\r\n1 CHAR UTF-8\r\n0 TRLR\r\n");
    tree.write("smith.ged.log", "Torvex version 3.1\r\n");
    tree.write("Archive/jones family.ged",
               "0 HEAD\r\n1 SOUR PAF\r\n2 VERS 5.2.18.0\r\n1 DEST PAF\r\n1 GEDC\r\n2 VERS 5.5\r\n1 "
               "CHAR ANSEL\r\n0 TRLR\r\n");
    tree.write("Archive/old.ged", "0 HEAD\r\n1 SOUR XY\r\n2 VERS 1.1\r\n0 TRLR\r\n");
    for (bool companion : {false, true}) {
        FormFixture fx;
        if (companion)
            fx.installCompanion();
        auto form = fx.makeForm();
        form->resize(900, 420);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->LookInEdit->setEditText(tree.root());
        form->FindButton->click();
        QVERIFY(WaitForSearchEnd(*form));
        QTest::qWait(100);
        const QString name =
            companion ? QStringLiteral("window-with-torvex.png") : QStringLiteral("window.png");
        QVERIFY(form->grab().save(QDir(dir).filePath(name)));
    }
}

QTEST_MAIN(TestFindFileForm)
#include "tst_findfileform.moc"
