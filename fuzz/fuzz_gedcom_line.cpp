// ReadGedcomLine on arbitrary UTF-16 text: it must never read past the text, and every call
// must move the cursor on unless it stands at the end.
#include "GedcomLine.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);
    qsizetype cursor = 0;
    GedcomLine line;
    for (int guard = 0; guard <= text.size() + 1; ++guard) {
        if (AtGedcomTextEnd(text, cursor))
            return 0;
        const qsizetype before = cursor;
        ReadGedcomLine(text, cursor, line);
        if (cursor <= before || cursor > text.size())
            std::abort(); // no progress, or past the end
        if (!line.Value.isEmpty() && !line.MarkedValue.isEmpty())
            std::abort();
        if (line.Level < -1 || line.Level > 99)
            std::abort();
        SkipGedcomSpaces(text, cursor);
    }
    std::abort(); // more lines than characters
}
