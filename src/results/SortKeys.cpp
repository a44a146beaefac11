#include "SortKeys.h"

#include "NaturalCompare.h"
#include "TextHelpers.h"

#include <QHash>
#include <QLocale>
#include <algorithm>
#include <numeric>

std::vector<SortKey> SortKeysFor(int sortColumn) {
    using C = ResultColumn;
    const KeyKind N = KeyKind::Natural, X = KeyKind::Numeric;
    std::vector<SortKey> keys;
    switch (C(sortColumn)) {
    case C::Path:
        keys = {{C::Path, N}};
        break;
    case C::Size:
        keys = {{C::SizeRaw, X}};
        break;
    case C::DateModified:
        keys = {{C::DateModifiedRaw, X}};
        break;
    case C::LogFileDate:
        keys = {{C::LogFileDateRaw, X}};
        break;
    case C::Type:
        keys = {{C::Type, N}, {C::LogFileDateRaw, N}};
        break; // log dates as texts
    case C::Program:
        keys = {{C::Program, N}, {C::Dest, N}};
        break;
    case C::Dest:
        keys = {{C::Dest, N}, {C::Program, N}};
        break;
    case C::Char:
        keys = {{C::Char, N}, {C::BOM, N}};
        break;
    case C::BOM:
        keys = {{C::BOM, N}, {C::Char, N}};
        break;
    default:
        break; // "Name" has no key of its own
    }
    keys.push_back({C::Name, N});
    keys.push_back({C::Path, N});
    return keys;
}

double RawCellNumber(const QString& text, const QLocale& locale) {
    // The raw cells hold plain digits and at most the locale's decimal separator: read them in
    // C form, which is many times quicker than the locale's own parser.
    bool ok = false;
    const QString point = locale.decimalPoint();
    double value = point == QLatin1String(".") || !text.contains(point)
                       ? QStringView(text).toDouble(&ok)
                       : QString(text).replace(point, QStringLiteral(".")).toDouble(&ok);
    if (!ok)
        value = locale.toDouble(text, &ok);
    return ok ? value : 0;
}

int SortKeyCache::compare(int row1, int row2, const SortKey& key) {
    if (key.kind == KeyKind::Numeric) {
        const std::vector<double>& n = numbers(key.column);
        const double a = n[size_t(row1)], b = n[size_t(row2)];
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    const std::vector<int>& r = ranks(key.column);
    const int a = r[size_t(row1)], b = r[size_t(row2)];
    return a < b ? -1 : (a > b ? 1 : 0);
}

const std::vector<double>& SortKeyCache::numbers(ResultColumn column) {
    auto& slot = m_numbers[size_t(ColumnIndex(column))];
    if (!slot) {
        const QLocale locale;
        std::vector<double> values(size_t(m_model.storedRowCount()));
        for (size_t r = 0; r < values.size(); ++r)
            values[r] = RawCellNumber(m_model.cellText(int(r), column), locale);
        slot = std::move(values);
    }
    return *slot;
}

const std::vector<int>& SortKeyCache::ranks(ResultColumn column) {
    auto& slot = m_ranks[size_t(ColumnIndex(column))];
    if (slot)
        return *slot;
    // Distinct texts are ordered once; rows then compare as whole numbers (texts that
    // compare equal, such as Smith and smith, share a rank).
    const int rows = m_model.storedRowCount();
    std::vector<int> distinctOf(static_cast<size_t>(rows));
    QHash<QString, int> seen;
    std::vector<const QString*> distinct;
    for (int r = 0; r < rows; ++r) {
        const QString& text = m_model.cellText(r, column);
        auto it = seen.constFind(text);
        if (it == seen.constEnd()) {
            it = seen.insert(text, int(distinct.size()));
            distinct.push_back(&text);
        }
        distinctOf[size_t(r)] = it.value();
    }
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    auto text = [&](int d) -> const QString& { return *distinct[size_t(d)]; };
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return NaturalCompare(text(a), text(b)) < 0; });
    std::vector<int> rankOfDistinct(distinct.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && NaturalCompare(text(order[i - 1]), text(order[i])) != 0)
            ++rank;
        rankOfDistinct[size_t(order[i])] = rank;
    }
    for (int& d : distinctOf)
        d = rankOfDistinct[size_t(d)];
    slot = std::move(distinctOf);
    return *slot;
}
