// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PageText.h"

#include <QByteArray>
#include <QString>

// The page title as the caption shows it: the text after the first "<TITLE>"
// (exact case) up to the next "<", at most 49 characters, blanks trimmed from
// both ends. Without the tag the same scan runs over characters 7 to 55 of
// the text. With dropControlChars, characters below code 31 or above 126
// (tabs, line breaks, non-ASCII letters) are left out; code 31 itself is kept.
QString scanTitle(const QString &text, bool dropControlChars);

// The same scan over a page file's bytes, decoding only the few characters
// it looks at (the page itself may be many megabytes).
QString scanTitle(const QByteArray &bytes, TextEncoding encoding, bool dropControlChars);

// The main window caption for a title: title + " - Tagsmith".
QString captionForTitle(const QString &title);

// Trims blanks (spaces only, as the original's Trim does) from both ends.
QString trimBlanks(const QString &text);
