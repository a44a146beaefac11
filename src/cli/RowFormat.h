#pragma once

#include "FoundFile.h"

#include <QString>

enum class RowFormat { Tsv, Csv, Json };

// The header line of a format (empty for JSON, whose rows name their fields).
QString RowFormatHeader(RowFormat format);
// One row, without the line end.
QString FormatRow(const FoundFile& row, RowFormat format);
