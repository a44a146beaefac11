// The header analysis on an arbitrary window of up to 4096 bytes, with each kind of extension.
#include "HeaderAnalyzer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const QString extensions[] = {QStringLiteral(".ged"), QStringLiteral(".GED"),
                                         QStringLiteral(".tvx"), QStringLiteral(".txt"), QString()};
    const QString& extension = extensions[data[0] % 5];
    const QByteArrayView window(reinterpret_cast<const char*>(data + 1),
                                qMin<qsizetype>(qsizetype(size - 1), kHeaderWindowSize));
    const HeaderInfo info = AnalyzeGedcomHeaderWindow(window, extension);
    if (info.Type.isEmpty() || info.BOM.isEmpty())
        std::abort(); // both always hold a text
    return 0;
}
