// The content search: the byte search over text without a mark must agree with the text search
// over its decoding, for every search text, match case and whole word.
#include "AnsiSearch.h"
#include "ContentMatch.h"
#include "TextDecoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const TextSearchOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const size_t needleBytes = qMin<size_t>(data[1] % 16, size - 2);
    const QByteArrayView needleView(reinterpret_cast<const char*>(data + 2),
                                    qsizetype(needleBytes));
    const QByteArrayView text(reinterpret_cast<const char*>(data + 2 + needleBytes),
                              qsizetype(size - 2 - needleBytes));
    // Typed search texts hold no NUL; the decoded form of the fuzzer's bytes stands for them.
    QString needle = DecodeWindows1252(needleView);
    needle.remove(QChar(0));
    if (needle.isEmpty())
        return 0;
    const bool byText = TextContains(DecodeWindows1252(text), needle, options);
    const bool byBytes = AnsiBytesContain(text, needle, options);
    if (byText != byBytes)
        std::abort();
    // Also a search text of any UTF-16 code units over the decoded text.
    if (needleBytes >= 2) {
        const QString wide = QString::fromUtf16(
            reinterpret_cast<const char16_t*>(needleView.data()), qsizetype(needleBytes / 2));
        TextContains(DecodeByMark(text), wide, options);
    }
    return 0;
}
