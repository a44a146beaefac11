#include "RowFormat.h"

#include "NumberText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

namespace {
const QStringList kFieldNames = {
    QStringLiteral("Name"),        QStringLiteral("Path"),           QStringLiteral("Size"),
    QStringLiteral("SizeRaw"),     QStringLiteral("DateModified"),   QStringLiteral("DateModifiedRaw"),
    QStringLiteral("LogFileDate"), QStringLiteral("LogFileDateRaw"), QStringLiteral("Type"),
    QStringLiteral("Program"),     QStringLiteral("Dest"),           QStringLiteral("Char"),
    QStringLiteral("BOM")};

// Machine-readable numbers: a decimal point whatever the user's locale.
QStringList FieldTexts(const FoundFile& f)
{
    const QLocale c = QLocale::c();
    return {f.Name,     f.Path,    f.Size, PlainNumberText(f.SizeRaw),
            f.DateModified, GeneralNumberText(f.DateModifiedRaw, c), f.LogFileDate,
            GeneralNumberText(f.LogFileDateRaw, c), f.Type, f.Program, f.Dest, f.Char, f.BOM};
}

QString TsvField(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text;
}

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QString RowFormatHeader(RowFormat format)
{
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

QString FormatRow(const FoundFile& row, RowFormat format)
{
    const QStringList texts = FieldTexts(row);
    QStringList fields;
    switch (format) {
    case RowFormat::Tsv:
        for (const QString& t : texts)
            fields << TsvField(t);
        return fields.join(QLatin1Char('\t'));
    case RowFormat::Csv:
        for (const QString& t : texts)
            fields << CsvField(t);
        return fields.join(QLatin1Char(','));
    case RowFormat::Json:
        break;
    }
    QJsonObject object;
    for (int i = 0; i < kFieldNames.size(); ++i)
        object.insert(kFieldNames[i], texts[i]);
    object.insert(QStringLiteral("SizeRaw"), double(row.SizeRaw));
    object.insert(QStringLiteral("DateModifiedRaw"), row.DateModifiedRaw);
    object.insert(QStringLiteral("LogFileDateRaw"), row.LogFileDateRaw);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
