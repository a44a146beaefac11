#pragma once

#include <QStringView>

// File-name order as people expect it: letters without regard to case, and every run of
// decimal digits compared by the number it spells (tree2 before tree10). Leading zeros do not
// count (file01 equals file1). A total preorder, so it is safe for sorting. Returns -1, 0 or 1.
int NaturalCompare(QStringView a, QStringView b);

// The same order for texts already upper-cased code unit by code unit (UpperCodeUnits), which
// sorting prepares once per text instead of once per comparison.
int NaturalCompareUpper(QStringView a, QStringView b);
