#pragma once

#include <QStringList>
#include <QTextStream>

// quendal-scan --header FILE...: one tab-separated line per file. Returns the exit status.
int RunHeaderCommand(const QStringList& files, QTextStream& out, QTextStream& err);
