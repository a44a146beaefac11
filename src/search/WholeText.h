#pragma once

#include <QString>

// No file is read beyond this many bytes.
constexpr qint64 kWholeTextReadLimit = 33554432; // 32 MiB

// The file's text, at most its first 32 MiB, decoded by its byte-order mark (UTF-16 LE or BE,
// strict UTF-8) or as Windows-1252 without one. Raises FileAccessError when the file cannot be
// opened or read.
QString ReadWholeText(const QString& path);
