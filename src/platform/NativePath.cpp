#include "NativePath.h"

#include "TextDecoding.h"

QString DecodeNativePath(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        const int length = Utf8SequenceAt(bytes, i, cp);
        if (length == 0) {
            text += QChar(char16_t(0xDC00 + in[i]));
            ++i;
        } else {
            if (cp >= 0x10000) {
                text += QChar(char16_t(0xD800 + ((cp - 0x10000) >> 10)));
                text += QChar(char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF)));
            } else {
                text += QChar(char16_t(cp));
            }
            i += length;
        }
    }
    return text;
}

QByteArray EncodeNativePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size() * 3);
    const qsizetype n = path.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = path[i].unicode();
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && path[i + 1].isLowSurrogate()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (path[i + 1].unicode() - 0xDC00);
            ++i;
        } else if (cp >= 0xDC80 && cp <= 0xDCFF) {
            bytes += char(cp - 0xDC00); // an escaped raw byte
            continue;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD; // a lone surrogate that no decoded name holds
        }
        if (cp < 0x80) {
            bytes += char(cp);
        } else if (cp < 0x800) {
            bytes += char(0xC0 | (cp >> 6));
            bytes += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            bytes += char(0xE0 | (cp >> 12));
            bytes += char(0x80 | ((cp >> 6) & 0x3F));
            bytes += char(0x80 | (cp & 0x3F));
        } else {
            bytes += char(0xF0 | (cp >> 18));
            bytes += char(0x80 | ((cp >> 12) & 0x3F));
            bytes += char(0x80 | ((cp >> 6) & 0x3F));
            bytes += char(0x80 | (cp & 0x3F));
        }
    }
    return bytes;
}
