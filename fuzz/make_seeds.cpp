// Writes the fuzzers' first inputs from the test fixtures.
#include "HeaderFixtures.h"

#include <QDir>
#include <QFile>

namespace {
void Write(const QString& dir, int n, const QByteArray& bytes) {
    QDir().mkpath(dir);
    QFile file(QStringLiteral("%1/seed%2").arg(dir).arg(n));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray AsUtf16(const QByteArray& latin1) {
    const QString text = QString::fromLatin1(latin1);
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    int n = 0;
    for (const HeaderFixture& f : HeaderFixtures()) {
        ++n;
        Write(root + "/fuzz_header_window", n, QByteArray(1, char(n % 5)) + f.bytes.left(4096));
        Write(root + "/fuzz_gedcom_line", n, AsUtf16(f.bytes.left(2048)));
        Write(root + "/fuzz_whole_text_decoding", n, f.bytes);
        Write(root + "/fuzz_content_search", n,
              QByteArray("\x02\x05") + "SMITH" + f.bytes.left(512));
    }
    Write(root + "/fuzz_settings_parser", 1,
          "[FindFiles]\nLookIn1=\"/home/anna/Family/\"\nContainingText1=\"a \\\"b\\\" "
          "\\u0001\"\n[Location]\nPath=\"/opt/q/\"\n");
    Write(root + "/fuzz_settings_parser", 2, "[FindFiles\nLookIn1=plain\n; comment\n# other\n=x\n");
    return 0;
}
