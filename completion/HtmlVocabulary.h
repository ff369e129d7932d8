// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The names the completion list offers: HTML elements, their attributes and
// the fixed values of a few attributes, from a table made by
// tools/mkhtmldata.py out of MDN's browser-compat-data. Names are looked up
// without regard to case and come out in lower case, sorted.
class HtmlVocabulary {
public:
    struct Name {
        QByteArray name;
        bool deprecated = false;
        bool operator==(const Name &o) const { return name == o.name && deprecated == o.deprecated; }
    };

    static const HtmlVocabulary &instance();

    QList<Name> elements(QByteArrayView prefix) const;
    // The element's own attributes and the global ones; an unknown element
    // gets the global ones.
    QList<Name> attributes(QByteArrayView element, QByteArrayView prefix) const;
    // The fixed values of the attribute on the element; none for most.
    QList<Name> values(QByteArrayView element, QByteArrayView attribute) const;

    static const char *const kData;

private:
    HtmlVocabulary();
    struct Element {
        Name name;
        QList<Name> attributes;
    };
    QList<Element> m_elements; // sorted by name
    QList<Name> m_global;
    QList<QPair<QByteArray, QList<Name>>> m_values; // "input.type", "target", ...
};
