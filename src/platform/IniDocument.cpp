#include "IniDocument.h"

namespace {
bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}
} // namespace

QString QuoteIniValue(const QString& value) {
    QString out;
    out.reserve(value.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == '\n') {
            out += QLatin1String("\\n");
        } else if (u == '\r') {
            out += QLatin1String("\\r");
        } else if (u == '\t') {
            out += QLatin1String("\\t");
        } else if (u < 32 || u == 0x7F) {
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else if (c.isSurrogate()) {
            // A proper pair is written as it is; a lone half has no UTF-8 form and is escaped.
            const bool pairStart =
                c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate();
            if (pairStart) {
                out += c;
                out += value[++i];
            } else {
                out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
            }
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

bool UnquoteIniValue(QStringView text, QString& value) {
    value.clear();
    text = text.trimmed();
    if (!text.startsWith(QLatin1Char('"'))) {
        value = text.toString();
        return true;
    }
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"'))
            return i == text.size() - 1; // anything after the closing quote is damage
        if (c != QLatin1Char('\\')) {
            value += c;
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text[i].unicode()) {
        case '"':
            value += QLatin1Char('"');
            break;
        case '\\':
            value += QLatin1Char('\\');
            break;
        case 'n':
            value += QLatin1Char('\n');
            break;
        case 'r':
            value += QLatin1Char('\r');
            break;
        case 't':
            value += QLatin1Char('\t');
            break;
        case 'u': {
            if (i + 4 >= text.size())
                return false;
            int code = 0;
            for (int k = 1; k <= 4; ++k) {
                const int d = HexDigit(text[i + k]);
                if (d < 0)
                    return false;
                code = code * 16 + d;
            }
            value += QChar(char16_t(code));
            i += 4;
            break;
        }
        default:
            return false;
        }
    }
    return false; // no closing quote
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    // Invalid UTF-8 becomes replacement characters; such a value is damaged, the rest is not.
    const QString text = QString::fromUtf8(bytes);
    Group* current = nullptr;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                current = nullptr; // values under a damaged group header belong nowhere
                continue;
            }
            const QString name = line.mid(1, line.size() - 2).trimmed().toString();
            doc.ensureGroup(name);
            current = doc.findGroup(name);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        QString value;
        if (!UnquoteIniValue(line.mid(eq + 1), value))
            continue;
        const QString name = line.left(eq).trimmed().toString();
        bool replaced = false;
        for (Entry& e : current->entries) {
            if (SameName(e.name, name)) {
                e.value = value; // a later line wins, as a later write would
                replaced = true;
                break;
            }
        }
        if (!replaced)
            current->entries.push_back({name, value});
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    QString text;
    for (const Group& g : m_groups) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + g.name + QLatin1String("]\n");
        for (const Entry& e : g.entries)
            text += e.name + QLatin1Char('=') + QuoteIniValue(e.value) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

IniDocument::Group* IniDocument::findGroup(const QString& name) {
    for (Group& g : m_groups)
        if (SameName(g.name, name))
            return &g;
    return nullptr;
}

const IniDocument::Group* IniDocument::findGroup(const QString& name) const {
    for (const Group& g : m_groups)
        if (SameName(g.name, name))
            return &g;
    return nullptr;
}

bool IniDocument::hasGroup(const QString& group) const {
    return findGroup(group) != nullptr;
}

void IniDocument::ensureGroup(const QString& group) {
    if (!findGroup(group))
        m_groups.push_back({group, {}});
}

bool IniDocument::read(const QString& group, const QString& name, QString& value) const {
    value.clear();
    if (const Group* g = findGroup(group)) {
        for (const Entry& e : g->entries) {
            if (SameName(e.name, name)) {
                value = e.value;
                return true;
            }
        }
    }
    return false;
}

void IniDocument::write(const QString& group, const QString& name, const QString& value) {
    ensureGroup(group);
    Group* g = findGroup(group);
    for (Entry& e : g->entries) {
        if (SameName(e.name, name)) {
            e.value = value;
            return;
        }
    }
    g->entries.push_back({name, value});
}
