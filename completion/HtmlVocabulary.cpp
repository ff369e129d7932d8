// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion/HtmlVocabulary.h"

#include <algorithm>

namespace {
HtmlVocabulary::Name parseName(const QByteArray &word)
{
    const bool deprecated = word.endsWith('!');
    return {deprecated ? word.chopped(1) : word, deprecated};
}

QList<HtmlVocabulary::Name> parseNames(const QList<QByteArray> &words)
{
    QList<HtmlVocabulary::Name> names;
    for (const QByteArray &w : words)
        names.append(parseName(w));
    return names;
}

bool startsWithNoCase(const QByteArray &name, QByteArrayView prefix)
{
    return name.size() >= prefix.size() && QByteArrayView(name).first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

void appendMatching(QList<HtmlVocabulary::Name> &out, const QList<HtmlVocabulary::Name> &names, QByteArrayView prefix)
{
    for (const auto &n : names)
        if (startsWithNoCase(n.name, prefix))
            out.append(n);
}
} // namespace

const HtmlVocabulary &HtmlVocabulary::instance()
{
    static const HtmlVocabulary vocabulary;
    return vocabulary;
}

HtmlVocabulary::HtmlVocabulary()
{
    for (const QByteArray &line : QByteArray(kData).split('\n')) {
        QList<QByteArray> words = line.split(' ');
        if (line.isEmpty())
            continue;
        const QByteArray head = words.takeFirst();
        if (head == "*")
            m_global = parseNames(words);
        else if (head.startsWith('='))
            m_values.append({head.mid(1), parseNames(words)});
        else
            m_elements.append({parseName(head), parseNames(words)});
    }
    std::sort(m_elements.begin(), m_elements.end(),
              [](const Element &a, const Element &b) { return a.name.name < b.name.name; });
}

QList<HtmlVocabulary::Name> HtmlVocabulary::elements(QByteArrayView prefix) const
{
    QList<Name> out;
    for (const Element &e : m_elements)
        if (startsWithNoCase(e.name.name, prefix))
            out.append(e.name);
    return out;
}

QList<HtmlVocabulary::Name> HtmlVocabulary::attributes(QByteArrayView element, QByteArrayView prefix) const
{
    QList<Name> out;
    appendMatching(out, m_global, prefix);
    for (const Element &e : m_elements)
        if (QByteArrayView(e.name.name).compare(element, Qt::CaseInsensitive) == 0)
            appendMatching(out, e.attributes, prefix);
    std::sort(out.begin(), out.end(), [](const Name &a, const Name &b) { return a.name < b.name; });
    // An element may list a global attribute again (dir, title): keep one.
    out.erase(std::unique(out.begin(), out.end(), [](const Name &a, const Name &b) { return a.name == b.name; }),
              out.end());
    return out;
}

QList<HtmlVocabulary::Name> HtmlVocabulary::values(QByteArrayView element, QByteArrayView attribute) const
{
    const QByteArray attr = attribute.toByteArray().toLower();
    const QByteArray own = element.toByteArray().toLower() + '.' + attr;
    for (const auto &[key, names] : m_values)
        if (key == own)
            return names;
    for (const auto &[key, names] : m_values)
        if (key == attr)
            return names;
    return {};
}
