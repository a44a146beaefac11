// The decoding of whole files by their byte-order mark; strict UTF-8 must give back exactly
// the bytes it decoded.
#include "TextDecoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = DecodeByMark(bytes);
    (void)text;
    const QString utf8 = DecodeUtf8Strict(bytes);
    if (!utf8.isEmpty() && utf8.toUtf8() != bytes)
        std::abort();
    if (DecodeWindows1252(bytes).size() != bytes.size())
        std::abort();
    if (DecodeUtf16LE(bytes).size() != qsizetype(size / 2))
        std::abort();
    return 0;
}
