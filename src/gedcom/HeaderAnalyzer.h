#pragma once

#include "HeaderInfo.h"

#include <QByteArrayView>
#include <QString>

// The analysis reads at most this many bytes from the start of a file.
constexpr qsizetype kHeaderWindowSize = 4096;

// Classifies the start of a file: window holds the bytes read (at most kHeaderWindowSize),
// extension is the file's extension from its last dot ("" when it has none). Never fails.
HeaderInfo AnalyzeGedcomHeaderWindow(QByteArrayView window, const QString& extension);

// Reads the first kHeaderWindowSize bytes of the file and classifies them. Raises
// FileAccessError when the file cannot be opened; nothing else fails.
HeaderInfo AnalyzeGedcomHeader(const QString& path);
