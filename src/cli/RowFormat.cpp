#include "RowFormat.h"

#include "NumberText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

namespace {
const QStringList kFieldNames = {QStringLiteral("Name"),         QStringLiteral("Path"),
                                 QStringLiteral("Size"),         QStringLiteral("SizeRaw"),
                                 QStringLiteral("DateModified"), QStringLiteral("DateModifiedRaw"),
                                 QStringLiteral("LogFileDate"),  QStringLiteral("LogFileDateRaw"),
                                 QStringLiteral("Type"),         QStringLiteral("Program"),
                                 QStringLiteral("Dest"),         QStringLiteral("Char"),
                                 QStringLiteral("BOM")};

// Machine-readable numbers: a decimal point whatever the user's locale.
QStringList FieldTexts(const FoundFile& f) {
    return {f.Name,         f.Path,
            f.Size,         PlainNumberText(f.SizeRaw),
            f.DateModified, QString::number(f.DateModifiedRaw, 'g', 15),
            f.LogFileDate,  QString::number(f.LogFileDateRaw, 'g', 15),
            f.Type,         f.Program,
            f.Dest,         f.Char,
            f.BOM};
}

void AppendTsvField(QString& line, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\t'))
            line += QLatin1String("\\t");
        else if (c == QLatin1Char('\n'))
            line += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            line += QLatin1String("\\r");
        else
            line += c;
    }
}

void AppendCsvField(QString& line, const QString& text) {
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote) {
        line += text;
        return;
    }
    line += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            line += QLatin1Char('"');
        line += c;
    }
    line += QLatin1Char('"');
}
} // namespace

QString RowFormatHeader(RowFormat format) {
    switch (format) {
    case RowFormat::Tsv:
        return kFieldNames.join(QLatin1Char('\t'));
    case RowFormat::Csv:
        return kFieldNames.join(QLatin1Char(','));
    case RowFormat::Json:
        break;
    }
    return {};
}

QString FormatRow(const FoundFile& row, RowFormat format) {
    const QStringList texts = FieldTexts(row);
    if (format != RowFormat::Json) {
        QString line;
        line.reserve(256);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i > 0)
                line += format == RowFormat::Tsv ? QLatin1Char('\t') : QLatin1Char(',');
            if (format == RowFormat::Tsv)
                AppendTsvField(line, texts[i]);
            else
                AppendCsvField(line, texts[i]);
        }
        return line;
    }
    QJsonObject object;
    for (int i = 0; i < kFieldNames.size(); ++i)
        object.insert(kFieldNames[i], texts[i]);
    object.insert(QStringLiteral("SizeRaw"), double(row.SizeRaw));
    object.insert(QStringLiteral("DateModifiedRaw"), row.DateModifiedRaw);
    object.insert(QStringLiteral("LogFileDateRaw"), row.LogFileDateRaw);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
