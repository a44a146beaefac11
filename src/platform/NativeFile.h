#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Reading files the way the engine needs it: never writing, never blocking on special files.
// Every reader raises FileAccessError when the file cannot be opened.

// One open, one read of at most capacity bytes into buffer, one close. A failed read counts
// as zero bytes. Returns the number of bytes read.
qint64 ReadFileStart(const QString& path, char* buffer, qint64 capacity);

// The file's bytes from the start, at most limit of them; raises FileAccessError also when
// reading fails.
QByteArray ReadFileUpTo(const QString& path, qint64 limit);

struct PathFacts {
    bool exists = false;
    bool isFile = false; // a regular file (a link to one counts as one)
    bool isFolder = false;
    qint64 size = 0;
    qint64 lastWriteMs = 0; // milliseconds since 1970-01-01 UTC
};

// What the file system says about a path, following links; exists is false when it cannot tell.
PathFacts StatPath(const QString& path);
