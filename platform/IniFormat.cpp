// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFormat.h"

#include <QHash>

namespace {

QString unescape(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\' && i + 1 < raw.size()) {
            const QChar n = raw[i + 1];
            if (n == u'\\') { out += u'\\'; ++i; continue; }
            if (n == u'n') { out += u'\n'; ++i; continue; }
            if (n == u'r') { out += u'\r'; ++i; continue; }
        }
        out += c;
    }
    return out;
}

QString escape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') out += QLatin1String("\\\\");
        else if (c == u'\n') out += QLatin1String("\\n");
        else if (c == u'\r') out += QLatin1String("\\r");
        else out += c;
    }
    return out;
}

IniSection *findSection(IniDocument &doc, const QString &name)
{
    for (IniSection &s : doc)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

} // namespace

IniDocument parseIni(const QByteArray &bytes)
{
    IniDocument doc;
    // Sections and keys are found through these indexes, so that reading a
    // file takes time in proportion to its size however many keys it holds.
    QHash<QString, qsizetype> sectionAt;
    QList<QHash<QString, qsizetype>> keyAt;
    qsizetype current = -1;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed().toString();
            const QString folded = name.toCaseFolded();
            const auto found = sectionAt.constFind(folded);
            if (found != sectionAt.constEnd()) {
                current = *found;
            } else {
                current = doc.size();
                sectionAt.insert(folded, current);
                doc.append(IniSection{name, {}});
                keyAt.append(QHash<QString, qsizetype>());
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || current < 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        if (key.isEmpty())
            continue;
        const QString value = unescape(line.mid(eq + 1).toString());
        auto &keys = keyAt[current];
        const QString folded = key.toCaseFolded();
        const auto found = keys.constFind(folded);
        if (found != keys.constEnd()) {
            doc[current].entries[*found].second = value; // a later duplicate wins
        } else {
            keys.insert(folded, doc[current].entries.size());
            doc[current].entries.append(qMakePair(key, value));
        }
    }
    return doc;
}

QByteArray serializeIni(const IniDocument &doc)
{
    QString out;
    for (const IniSection &s : doc) {
        out += u'[' + s.name + QLatin1String("]\n");
        for (const auto &e : s.entries)
            out += e.first + u'=' + escape(e.second) + u'\n';
        out += u'\n';
    }
    return out.toUtf8();
}

const QString *iniFind(const IniDocument &doc, const QString &section, const QString &key)
{
    for (const IniSection &s : doc) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const auto &e : s.entries)
            if (e.first.compare(key, Qt::CaseInsensitive) == 0)
                return &e.second;
    }
    return nullptr;
}

QStringList iniKeys(const IniDocument &doc, const QString &section)
{
    QStringList keys;
    for (const IniSection &s : doc)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            for (const auto &e : s.entries)
                keys << e.first;
    return keys;
}

void iniSet(IniDocument &doc, const QString &section, const QString &key, const QString &value)
{
    IniSection *s = findSection(doc, section);
    if (!s) {
        doc.append(IniSection{section, {}});
        s = &doc.last();
    }
    for (auto &e : s->entries) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            e.second = value;
            return;
        }
    }
    s->entries.append({key, value});
}

QByteArray iniSetInText(const QByteArray &text, const QString &section, const QString &key, const QString &value)
{
    // The lines with their own ends, so that untouched ones are copied exactly.
    QList<QByteArray> lines;
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype nl = text.indexOf('\n', from);
        const qsizetype end = nl < 0 ? text.size() : nl + 1;
        lines.append(text.mid(from, end - from));
        from = end;
    }
    const QByteArray eol = text.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    const auto bodyOf = [](const QByteArray &line) {
        QByteArray body = line;
        if (body.endsWith('\n'))
            body.chop(1);
        if (body.endsWith('\r'))
            body.chop(1);
        return QString::fromUtf8(body);
    };
    qsizetype keyLine = -1, lastInSection = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = bodyOf(lines[i]);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            inSection = trimmed.mid(1, trimmed.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                lastInSection = i;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inSection || eq <= 0 || line.left(eq).trimmed().isEmpty())
            continue;
        lastInSection = i;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            keyLine = i;
    }
    if (keyLine >= 0) {
        // The key as written, its new value, the line's own end.
        const QByteArray &old = lines[keyLine];
        const QByteArray end = old.endsWith("\r\n") ? QByteArrayLiteral("\r\n")
                               : old.endsWith('\n')   ? QByteArrayLiteral("\n")
                                                      : QByteArray();
        const QString body = bodyOf(old);
        lines[keyLine] = (body.left(body.indexOf(u'=') + 1) + escape(value)).toUtf8() + end;
        return lines.join();
    }
    const QByteArray entry = (key + u'=' + escape(value)).toUtf8() + eol;
    if (lastInSection >= 0) {
        if (!lines[lastInSection].endsWith('\n'))
            lines[lastInSection] += eol;
        lines.insert(lastInSection + 1, entry);
        return lines.join();
    }
    QByteArray out = text;
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += eol;
    if (!out.isEmpty() && !out.endsWith(eol + eol) && out != eol)
        out += eol; // a blank line between sections, as the program writes them
    return out + '[' + section.toUtf8() + ']' + eol + entry;
}
