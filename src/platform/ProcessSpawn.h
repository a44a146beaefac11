#pragma once

#include <QString>
#include <QStringList>

// Starting programs with arguments that reach them byte for byte: a path that is not valid
// UTF-8 (kept as escaped bytes in our texts) reaches the program as the very same bytes.

// Starts program detached from us (it outlives us and leaves no zombie). True when the program
// was really started, false when it could not be found or executed.
bool StartDetached(const QString& program, const QStringList& arguments);

enum class BriefRun { Failed, Succeeded, StillRunning };

// Starts program detached and waits up to timeoutMs for it to end: Succeeded when it ended with
// exit code 0, StillRunning when it had not ended by then, Failed otherwise.
BriefRun RunBriefly(const QString& program, const QStringList& arguments, int timeoutMs);

// Raises the soft limit of open files to the hard limit (at most 65536), so that a walk that
// holds one open listing per folder level is not cut short in a deep tree.
void RaiseOpenFileLimit();
