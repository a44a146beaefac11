#pragma once

#include <QString>
#include <Qt>
#include <array>

// The thirteen columns of the result table, in display order.
enum class ResultColumn {
    Name = 0,
    Path,
    Size,
    SizeRaw,
    DateModified,
    DateModifiedRaw,
    LogFileDate,
    LogFileDateRaw,
    Type,
    Program,
    Dest,
    Char,
    BOM,
};

constexpr int kResultColumnCount = 13;

constexpr int ColumnIndex(ResultColumn c) {
    return static_cast<int>(c);
}

struct ResultColumnLayout {
    const char* caption;
    int width;               // pixels at 96 dpi
    bool raw;                // never shown
    Qt::Alignment alignment; // header and cells
};

inline const std::array<ResultColumnLayout, kResultColumnCount>& ResultColumnLayouts() {
    static const std::array<ResultColumnLayout, kResultColumnCount> layouts = {{
        {"Name", 122, false, Qt::AlignLeft},
        {"Path", 169, false, Qt::AlignLeft},
        {"Size", 69, false, Qt::AlignRight},
        {"SizeRaw", 140, true, Qt::AlignLeft},
        {"Date modified", 140, false, Qt::AlignLeft},
        {"DateModifiedRaw", 120, true, Qt::AlignLeft},
        {"Log File Date", 127, false, Qt::AlignLeft},
        {"Log File Date Raw", 120, true, Qt::AlignLeft},
        {"Type", 165, false, Qt::AlignLeft},
        {"Program", 120, false, Qt::AlignLeft},
        {"Dest", 120, false, Qt::AlignLeft},
        {"Char", 100, false, Qt::AlignLeft},
        {"BOM", 141, false, Qt::AlignLeft},
    }};
    return layouts;
}
