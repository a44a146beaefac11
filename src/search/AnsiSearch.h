#pragma once

#include "ContentMatch.h"

#include <QByteArrayView>
#include <QStringView>

// The same search as TextContains over the Windows-1252 decoding of bytes, made on the bytes
// themselves: every byte is one character, so no decoded copy is needed and the scan can jump
// from one occurrence of a rare needle byte to the next.
bool AnsiBytesContain(QByteArrayView bytes, QStringView needle, TextSearchOptions options);
