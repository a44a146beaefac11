#pragma once

#include <QString>
#include <functional>

// Errors that nothing catches: instead of vanishing silently, the program writes a short report
// (what, where, version) to a new file in the user's state folder and says where it is. No file
// the user keeps is touched.

// $XDG_STATE_HOME/quendal, else ~/.local/state/quendal.
QString FailureReportFolder();

// Writes a report and returns its path, or an empty text when it could not be written.
QString WriteFailureReport(const QString& what, const QString& where, const QString& version);

// The sentence that tells the user about a report.
QString FailureMessage(const QString& reportPath);

// Installs the handlers for uncaught exceptions and fatal signals. tellUser shows the message
// (the window passes a message box); it is called only on the thread that failed, and when it
// is empty, or the failure is a fatal signal, the message goes to stderr.
void InstallFailureReporter(const QString& version, std::function<void(const QString&)> tellUser);
