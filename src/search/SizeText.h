#pragma once

#include <QString>

// Whole kilobytes rounded up, " KB", with "," before the last three and six digits
// ("1,024 KB", "1234,567,890 KB"), whatever the locale.
QString SizeKBText(qint64 bytes);
