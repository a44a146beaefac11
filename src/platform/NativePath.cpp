#include "NativePath.h"

namespace {
// Length of the well-formed UTF-8 sequence at in[i], or 0 when it is not one.
int WellFormedLength(const unsigned char* in, qsizetype size, qsizetype i, char32_t& cp) {
    const unsigned char b0 = in[i];
    int length;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, cp = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, cp = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (size - i < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char b = in[i + k];
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}
} // namespace

QString DecodeNativePath(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        const int length = WellFormedLength(in, bytes.size(), i, cp);
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
