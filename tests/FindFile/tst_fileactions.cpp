#include "DateTimeValue.h"
#include "FixtureTree.h"
#include "FormFixture.h"
#include "NumberText.h"

#include <QApplication>
#include <QTest>

namespace {
FoundFile Row(const QString& folder, const QString& name, double logDate = 0) {
    FoundFile f;
    f.Name = name;
    f.Path = folder;
    f.LogFileDateRaw = logDate;
    f.Type = QStringLiteral("GEDCOM 5.5");
    return f;
}

// A window with one row, focused, whose focus notice has run.
void ShowRow(TFindFileForm& form, const FoundFile& row) {
    form.FileNameListLogic->AddResultRow(row);
    form.FileNameListLogic->focusRow(0);
    QTest::qWait(FileNameList::kFocusNoticeDelayMs * 2);
}
} // namespace

class TestFileActions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openSuccessAndFailure();
    void openRefreshesLogDate();
    void openLeavesLogDateWhenAlreadyEnabled();
    void viewOfLogShowsDataFile();
    void logFileOfDataFileEvenWhenMissing();
    void pathWithBlanksIsOneArgument();
    void lookupsFallBackIndependently();
    void viewerFailureNamesItsViewer();
    void helpAndF1_data();
    void helpAndF1();
    void doubleClick();
    void productPageAndLinkColours();
    void nothingFocusedDoesNothing();
};

void TestFileActions::openSuccessAndFailure() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged"));
    form->OpenButton->click();
    QCOMPARE(fx.shell.opened, QStringList{tree.path("smith.ged")});
    QVERIFY(fx.warnings.shown.isEmpty());
    fx.shell.openSucceeds = false;
    form->OpenRightMenu->trigger();
    QCOMPARE(fx.warnings.shown,
             QStringList{"Could not find your default program for reading GEDCOM files."});
}

void TestFileActions::openRefreshesLogDate() {
    FormFixture fx;
    fx.installCompanion();
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged"));
    QVERIFY(!form->LogFileButton->isEnabled());
    // The associated program writes the log file before the shell returns; its content does not
    // matter here.
    const QDateTime when(QDate(2021, 3, 4), QTime(5, 6, 7, 890));
    fx.shell.onOpen = [&](const QString&) {
        tree.write("smith.ged.log", "whatever it writes");
        tree.setModified("smith.ged.log", when);
    };
    form->OpenButton->click();
    QCOMPARE(form->FileNameListLogic->cellText(0, ResultColumn::LogFileDateRaw),
             GeneralNumberText(ToDateTimeValue(when)));
    QCOMPARE(form->FileNameListLogic->cellText(0, ResultColumn::LogFileDate),
             DateTimeText(ToDateTimeValue(when)));
    QVERIFY(form->LogFileButton->isEnabled());
    QVERIFY(form->LogFileRightMenu->isEnabled());
}

void TestFileActions::openLeavesLogDateWhenAlreadyEnabled() {
    FormFixture fx;
    fx.installCompanion();
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    tree.write("smith.ged.log", "Torvex version 1");
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged", 43831.5));
    QVERIFY(form->LogFileButton->isEnabled());
    const QString before = form->FileNameListLogic->cellText(0, ResultColumn::LogFileDateRaw);
    form->OpenButton->click();
    QCOMPARE(form->FileNameListLogic->cellText(0, ResultColumn::LogFileDateRaw), before);
    // And a failed Open refreshes nothing either.
    FormFixture failing;
    failing.shell.openSucceeds = false;
    auto other = failing.makeForm();
    ShowRow(*other, Row(tree.root(), "smith.ged"));
    other->OpenButton->click();
    QCOMPARE(other->FileNameListLogic->cellText(0, ResultColumn::LogFileDateRaw),
             QStringLiteral("0"));
}

void TestFileActions::viewOfLogShowsDataFile() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("smith.GED.Log", "x");
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.GED.Log"));
    form->ViewButton->click();
    QCOMPARE(fx.shell.started.size(), 1);
    QCOMPARE(fx.shell.started[0].arguments, QStringList{tree.path("smith.GED")});
    fx.installCompanion();
    form->LogFileButton->setEnabled(true);
    form->LogFileButton->click(); // a found log file is shown itself
    QCOMPARE(fx.shell.started[1].arguments, QStringList{tree.path("smith.GED.Log")});
}

void TestFileActions::logFileOfDataFileEvenWhenMissing() {
    FormFixture fx;
    fx.installCompanion();
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged", 43831.5));
    form->LogFileRightMenu->trigger();
    QCOMPARE(fx.shell.started.size(), 1);
    QCOMPARE(fx.shell.started[0].arguments, QStringList{tree.path("smith.ged.log")});
}

void TestFileActions::pathWithBlanksIsOneArgument() {
    FormFixture fx;
    FixtureTree tree;
    tree.write("my family/the smiths.ged", Ged55());
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.path("my family/"), "the smiths.ged"));
    form->ViewRightMenu->trigger();
    QCOMPARE(fx.shell.started[0].arguments, QStringList{tree.path("my family/the smiths.ged")});
}

void TestFileActions::lookupsFallBackIndependently() {
    FormFixture fx;
    fx.installCompanion();
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    // View asks about the quoted readme path and finds a viewer; Log File asks about the bare
    // Readme.txt and finds none.
    fx.shell.associations.insert(QStringLiteral("\"/opt/quendal/Quendal Readme.txt\""),
                                 QStringLiteral("/usr/bin/editor"));
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged", 43831.5));
    form->ViewButton->click();
    form->LogFileButton->click();
    QCOMPARE(fx.shell.lookedUp,
             (QStringList{"\"/opt/quendal/Quendal Readme.txt\"", "/opt/quendal/Readme.txt"}));
    QCOMPARE(fx.shell.started[0].program, QStringLiteral("/usr/bin/editor"));
    QCOMPARE(fx.shell.started[1].program, QStringLiteral("fallback-viewer"));
}

void TestFileActions::viewerFailureNamesItsViewer() {
    FormFixture fx;
    fx.installCompanion();
    fx.shell.startSucceeds = false;
    fx.shell.associations.insert(QStringLiteral("/opt/quendal/Readme.txt"),
                                 QStringLiteral("/usr/bin/logviewer"));
    FixtureTree tree;
    tree.write("smith.ged", Ged55());
    auto form = fx.makeForm();
    ShowRow(*form, Row(tree.root(), "smith.ged", 43831.5));
    form->ViewButton->click();
    form->LogFileButton->click();
    QCOMPARE(fx.warnings.shown,
             (QStringList{"The program \"fallback-viewer\" could not open the file(s).",
                          "The program \"/usr/bin/logviewer\" could not open the file(s)."}));
}

void TestFileActions::helpAndF1_data() {
    QTest::addColumn<bool>("companion");
    QTest::newRow("without Torvex") << false;
    QTest::newRow("with Torvex") << true;
}

void TestFileActions::helpAndF1() {
    QFETCH(bool, companion);
    FormFixture fx;
    if (companion)
        fx.installCompanion();
    fx.shell.openSucceeds = false; // a failure shows nothing
    auto form = fx.makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->HelpButton->click();
    QTest::keyClick(form.get(), Qt::Key_F1);
    const QString help = QStringLiteral("/opt/quendal/") + TFindFileForm::helpFileName();
    QCOMPARE(fx.shell.opened, (QStringList{help, help}));
    QVERIFY(fx.warnings.shown.isEmpty());
}

void TestFileActions::doubleClick() {
    FormFixture fx;
    FixtureTree tree;
    auto form = fx.makeForm();
    form->resize(800, 400);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // A double-click is a click followed by the double-click event, as the desktop delivers it.
    QTest::mouseClick(form->FileNameList->viewport(), Qt::LeftButton, {}, QPoint(600, 100));
    QTest::mouseDClick(form->FileNameList->viewport(), Qt::LeftButton, {}, QPoint(600, 100));
    QVERIFY(fx.shell.opened.isEmpty());              // an empty table: nothing
    ShowRow(*form, Row(tree.root(), "deleted.ged")); // the file is gone: Open is disabled
    QVERIFY(!form->OpenButton->isEnabled());
    fx.shell.openSucceeds = false;
    const int y = form->FileNameList->rowViewportPosition(0) + 5;
    QTest::mouseClick(form->FileNameList->viewport(), Qt::LeftButton, {}, QPoint(200, y));
    QTest::mouseDClick(form->FileNameList->viewport(), Qt::LeftButton, {}, QPoint(200, y));
    QCOMPARE(fx.shell.opened, QStringList{tree.path("deleted.ged")});
    QCOMPARE(fx.warnings.shown,
             QStringList{"Could not find your default program for reading GEDCOM files."});
}

void TestFileActions::productPageAndLinkColours() {
    FormFixture fx;
    auto form = fx.makeForm();
    QCOMPARE(form->TrialURLLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form->TrialURLLabel, &enter);
    QCOMPARE(form->TrialURLLabel->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form->TrialURLLabel, &leave);
    QCOMPARE(form->TrialURLLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(form->TrialURLLabel, Qt::LeftButton);
    QCOMPARE(fx.shell.webAddresses, QStringList{"https://www.torvex.example/torvex_qnd.php?prog"});
    QVERIFY(TFindFileForm::productPage().endsWith(QLatin1String("/torvex_qnd.php?prog")));
}

void TestFileActions::nothingFocusedDoesNothing() {
    FormFixture fx;
    auto form = fx.makeForm();
    form->OpenButtonClick();
    form->ViewButtonClick();
    form->LogFileButtonClick();
    QVERIFY(fx.shell.opened.isEmpty() && fx.shell.started.isEmpty() && fx.warnings.shown.isEmpty());
}

QTEST_MAIN(TestFileActions)
#include "tst_fileactions.moc"
