// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Which of the checker's messages count as problems for a page. A page is
// judged by the rules of its doctype's era: "<!DOCTYPE html>" by today's,
// an HTML 4 or XHTML doctype by those of HTML 4, an older one or none at all
// (the pages Tagsmith's own skeleton and templates make) by those of the
// browsers of the late nineties.
enum class MarkupEra { Classic, Html4, Html5 };

MarkupEra eraOf(QByteArrayView page);

// Whether a message (tidy's key and text) is kept for a page of that era.
// A PREVIOUS_LOCATION note goes with the message before it.
bool keepMessage(MarkupEra era, QByteArrayView key, const QString &text, bool previousKept);
