// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

#include <functional>

// The start tags of a page as the checks read them: comments, declarations,
// end tags and the contents of SCRIPT and STYLE are passed over.
struct ScannedAttribute {
    QStringView name;
    QStringView value;        // without its quotes; empty when there is none
    qsizetype valueAt = -1;   // index of the value's first character
};

struct ScannedTag {
    qsizetype start = 0; // the "<"
    qsizetype end = 0;   // after the ">" (or the end of the text)
    QStringView name;
    QList<ScannedAttribute> attributes;
};

void scanTags(QStringView text, const std::function<void(const ScannedTag &)> &visit);

// Whether the text holds a placeholder of the HTML menu's templates, such
// as "[Insert URL]": a "[" and a letter, up to a "]" on the same line.
bool hasPlaceholder(QStringView text);
