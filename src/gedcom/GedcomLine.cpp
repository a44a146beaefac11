#include "GedcomLine.h"

namespace {
constexpr char16_t kNul = 0, kLf = 10, kCr = 13, kSpace = 32, kMark = 30;

// The character at i, with the text's size reading as the NUL that ends it.
inline char16_t At(const char16_t* data, qsizetype size, qsizetype i) {
    return i < size ? data[i] : kNul;
}

inline bool IsLineEnd(char16_t c) {
    return c == kNul || c == kLf || c == kCr;
}
inline bool IsTokenEnd(char16_t c) {
    return IsLineEnd(c) || c == kSpace;
}

// Assigns without a fresh allocation when the field already has room (the fields are reused).
inline void Assign(QString& field, const char16_t* from, qsizetype length) {
    if (length == 0) {
        if (!field.isEmpty())
            field.resize(0);
        return;
    }
    field.resize(0);
    field.append(reinterpret_cast<const QChar*>(from), length);
}
} // namespace

bool AtGedcomTextEnd(const QString& text, qsizetype cursor) {
    return cursor >= text.size() || text.at(cursor).unicode() == kNul;
}

void SkipGedcomSpaces(const QString& text, qsizetype& cursor) {
    const auto* data = reinterpret_cast<const char16_t*>(text.constData());
    while (At(data, text.size(), cursor) == kSpace)
        ++cursor;
}

void ReadGedcomLine(const QString& text, qsizetype& cursor, GedcomLine& line) {
    const auto* data = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = cursor;
    auto skipSpaces = [&] {
        while (At(data, size, i) == kSpace)
            ++i;
    };

    // Level: one digit, or two when the first is 1 to 9.
    line.Level = -1;
    char16_t c = At(data, size, i);
    if (c >= '0' && c <= '9') {
        line.Level = c - '0';
        ++i;
        c = At(data, size, i);
        if (line.Level >= 1 && c >= '0' && c <= '9') {
            line.Level = line.Level * 10 + (c - '0');
            ++i;
        }
    }
    skipSpaces();

    if (At(data, size, i) == '@') {
        const qsizetype start = i;
        while (!IsTokenEnd(At(data, size, i)))
            ++i;
        Assign(line.Xref, data + start, i - start);
        skipSpaces();
    } else {
        Assign(line.Xref, nullptr, 0);
    }

    const qsizetype tagStart = i;
    while (!IsTokenEnd(At(data, size, i)))
        ++i;
    Assign(line.Tag, data + tagStart, i - tagStart);
    skipSpaces();

    c = At(data, size, i);
    if (IsLineEnd(c)) {
        Assign(line.Value, nullptr, 0);
        Assign(line.MarkedValue, nullptr, 0);
    } else if (c == kMark) {
        ++i;
        const qsizetype start = i;
        while (At(data, size, i) > kCr)
            ++i;
        Assign(line.Value, nullptr, 0);
        Assign(line.MarkedValue, data + start, i - start);
    } else {
        const qsizetype start = i;
        while (!IsLineEnd(At(data, size, i)))
            ++i;
        qsizetype end = i;
        while (end > start && data[end - 1] == kSpace)
            --end;
        Assign(line.Value, data + start, end - start);
        Assign(line.MarkedValue, nullptr, 0);
    }

    if (At(data, size, i) == kCr)
        ++i;
    if (At(data, size, i) == kLf)
        ++i;
    cursor = i;
}
