// The settings file parser on arbitrary bytes: what it reads must write and read back the same.
#include "IniDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IniDocument first =
        IniDocument::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray written = first.serialize();
    const QByteArray again = IniDocument::parse(written).serialize();
    if (written != again)
        std::abort();
    // A value round-trips exactly, whatever it holds.
    QString value = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size >= 2)
        value += QChar(char16_t(data[0] | (data[1] << 8))); // lone surrogates and controls too
    IniDocument doc;
    doc.write(QStringLiteral("FindFiles"), QStringLiteral("LookIn1"), value);
    QString back;
    if (!IniDocument::parse(doc.serialize())
             .read(QStringLiteral("FindFiles"), QStringLiteral("LookIn1"), back) ||
        back != value)
        std::abort();
    return 0;
}
