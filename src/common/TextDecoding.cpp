#include "TextDecoding.h"

namespace {
// 0x80..0x9F of Windows-1252; the unassigned 81, 8D, 8F, 90, 9D pass through as C1 controls.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    // Widen every byte and note whether any lies in 80..9F; both loops vectorise.
    bool anyHigh = false;
    for (qsizetype i = 0; i < n; ++i) {
        out[i] = in[i];
        anyHigh |= (unsigned char)(in[i] - 0x80) < 0x20;
    }
    if (anyHigh) {
        for (qsizetype i = 0; i < n; ++i) {
            const unsigned char b = in[i];
            if (b >= 0x80 && b < 0xA0)
                out[i] = kHighControls[b - 0x80];
        }
    }
    return text;
}

int Utf8SequenceAt(QByteArrayView bytes, qsizetype i, char32_t& codePoint) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char b0 = in[i];
    int length;
    char32_t min;
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, codePoint = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, codePoint = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, codePoint = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char b = in[i + k];
        if ((b & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not well formed.
    if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

QString DecodeUtf8Strict(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized); // never more code units than bytes
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype n = 0;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (in[i] < 0x80) { // the common case, without a call
            out[n++] = in[i++];
            continue;
        }
        char32_t cp = 0;
        const int length = Utf8SequenceAt(bytes, i, cp);
        if (length == 0)
            return {};
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out[n++] = char16_t(0xD800 + (cp >> 10));
            out[n++] = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out[n++] = char16_t(cp);
        }
        i += length;
    }
    text.truncate(n);
    return text;
}

namespace {
QString DecodeUtf16(QByteArrayView bytes, bool littleEndian) {
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < units; ++i) {
        const unsigned char a = in[2 * i];
        const unsigned char b = in[2 * i + 1];
        out[i] = littleEndian ? char16_t(a | (b << 8)) : char16_t((a << 8) | b);
    }
    return text;
}
} // namespace

QString DecodeUtf16LE(QByteArrayView bytes) {
    return DecodeUtf16(bytes, true);
}
QString DecodeUtf16BE(QByteArrayView bytes) {
    return DecodeUtf16(bytes, false);
}

ByteOrderMark DetectByteOrderMark(QByteArrayView bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE)
        return ByteOrderMark::Utf16LE;
    if (bytes.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF)
        return ByteOrderMark::Utf16BE;
    if (bytes.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        return ByteOrderMark::Utf8;
    return ByteOrderMark::None;
}

int ByteOrderMarkLength(ByteOrderMark mark) {
    switch (mark) {
    case ByteOrderMark::Utf16LE:
    case ByteOrderMark::Utf16BE:
        return 2;
    case ByteOrderMark::Utf8:
        return 3;
    case ByteOrderMark::None:
        break;
    }
    return 0;
}

QString DecodeAfterMark(QByteArrayView body, ByteOrderMark mark) {
    switch (mark) {
    case ByteOrderMark::Utf16LE:
        return DecodeUtf16LE(body);
    case ByteOrderMark::Utf16BE:
        return DecodeUtf16BE(body);
    case ByteOrderMark::Utf8:
        return DecodeUtf8Strict(body);
    case ByteOrderMark::None:
        break;
    }
    return DecodeWindows1252(body);
}

QString DecodeByMark(QByteArrayView bytes) {
    const ByteOrderMark mark = DetectByteOrderMark(bytes);
    return DecodeAfterMark(bytes.sliced(ByteOrderMarkLength(mark)), mark);
}
