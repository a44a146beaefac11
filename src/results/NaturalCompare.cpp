#include "NaturalCompare.h"

#include "TextHelpers.h"

namespace {
inline bool IsDigit(char16_t c) {
    return c >= '0' && c <= '9';
}

// Upper case without a library call for the ASCII letters that most file names are made of.
inline char16_t Upper(char16_t c) {
    if (c < 128)
        return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
    return UpperCodeUnit(QChar(c)).unicode();
}

// Compares the digit runs a[i..) and b[j..), advancing both past them.
int CompareNumbers(QStringView a, qsizetype& i, QStringView b, qsizetype& j) {
    while (i < a.size() && a[i] == QLatin1Char('0') && i + 1 < a.size() &&
           IsDigit(a[i + 1].unicode()))
        ++i;
    while (j < b.size() && b[j] == QLatin1Char('0') && j + 1 < b.size() &&
           IsDigit(b[j + 1].unicode()))
        ++j;
    qsizetype ei = i, ej = j;
    while (ei < a.size() && IsDigit(a[ei].unicode()))
        ++ei;
    while (ej < b.size() && IsDigit(b[ej].unicode()))
        ++ej;
    int result = 0;
    if (ei - i != ej - j) {
        result = ei - i < ej - j ? -1 : 1; // fewer significant digits: the smaller number
    } else {
        for (qsizetype k = 0; k < ei - i; ++k) {
            if (a[i + k] != b[j + k]) {
                result = a[i + k] < b[j + k] ? -1 : 1;
                break;
            }
        }
    }
    i = ei;
    j = ej;
    return result;
}
template <bool Fold> int NaturalCompareImpl(QStringView a, QStringView b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char16_t ca = a[i].unicode(), cb = b[j].unicode();
        const bool da = IsDigit(ca), db = IsDigit(cb);
        if (da && db) {
            if (const int r = CompareNumbers(a, i, b, j))
                return r;
            continue;
        }
        // A number stands where its digits do among other characters: digits are no letters.
        if (ca == cb && !da) { // the commonest case: the same character
            ++i;
            ++j;
            continue;
        }
        const char16_t ua = (da || !Fold) ? ca : Upper(ca);
        const char16_t ub = (db || !Fold) ? cb : Upper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}
} // namespace

int NaturalCompare(QStringView a, QStringView b) {
    return NaturalCompareImpl<true>(a, b);
}

int NaturalCompareUpper(QStringView a, QStringView b) {
    return NaturalCompareImpl<false>(a, b);
}
