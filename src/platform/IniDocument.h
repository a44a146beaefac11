#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The text of one settings file: groups of named text values. Names are compared without
// regard to letter case, as registry names are. Every text survives a write and a read exactly:
// values are written in double quotes with backslash escapes, so blanks at either end,
// quotes, "=", ";", "#", line ends, control characters and lone surrogates all come back.
class IniDocument {
public:
    // Reads what can be read: a damaged line is skipped, the rest still counts.
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    bool hasGroup(const QString& group) const;
    bool read(const QString& group, const QString& name, QString& value) const;
    void write(const QString& group, const QString& name, const QString& value);
    void ensureGroup(const QString& group);

private:
    struct Entry {
        QString name;
        QString value;
    };
    struct Group {
        QString name;
        std::vector<Entry> entries;
    };
    Group* findGroup(const QString& name);
    const Group* findGroup(const QString& name) const;

    std::vector<Group> m_groups;
};

// The escaped, quoted form of a value, and back. Unquoted text (a hand-edited file) is taken
// with its surrounding blanks removed.
QString QuoteIniValue(const QString& value);
bool UnquoteIniValue(QStringView text, QString& value);
