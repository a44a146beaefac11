#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names on Linux are bytes. They become texts losslessly: well-formed UTF-8 is decoded,
// and every byte that is not part of a well-formed sequence becomes the lone surrogate
// U+DC80 + byte, which a text of real characters never holds. Encoding reverses it exactly,
// so a file whose name is not UTF-8 is still reached by the very same bytes.
QString DecodeNativePath(QByteArrayView bytes);
QByteArray EncodeNativePath(const QString& path);
