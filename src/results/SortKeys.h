#pragma once

#include "FileNameListModel.h"
#include "ResultColumns.h"

#include <QLocale>
#include <optional>
#include <vector>

enum class KeyKind { Natural, Numeric };

struct SortKey {
    ResultColumn column;
    KeyKind kind;
};

// The keys a sort by column compares, in order, ending with the "Name" and "Path" tie-breaks.
std::vector<SortKey> SortKeysFor(int sortColumn);

// The number a raw cell stands for: the default locale's form, else the plain C form.
double RawCellNumber(const QString& text, const QLocale& locale = QLocale());

// Keys read once per sort and kept for its comparisons: the numbers of raw cells, and for
// natural keys a rank per row (rows whose texts compare equal share a rank). Each column's
// keys are made the first time a comparison needs them.
class SortKeyCache {
public:
    explicit SortKeyCache(const FileNameListModel& model) : m_model(model) {}

    int compare(int row1, int row2, const SortKey& key);

private:
    const std::vector<int>& ranks(ResultColumn column);
    const std::vector<double>& numbers(ResultColumn column);

    const FileNameListModel& m_model;
    std::vector<std::optional<std::vector<int>>> m_ranks =
        std::vector<std::optional<std::vector<int>>>(kResultColumnCount);
    std::vector<std::optional<std::vector<double>>> m_numbers =
        std::vector<std::optional<std::vector<double>>>(kResultColumnCount);
};
