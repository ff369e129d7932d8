// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UiText.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// The values the page Properties dialog shows, as plain text.

// A byte count as the pattern "###,###,###" shows it, followed by " bytes":
// digits grouped in threes with the locale's thousands separator, no digit
// at all for 0 (so an empty file is " bytes"), and every digit of numbers
// longer than nine digits.
QString formatFileSize(qint64 bytes, const QLocale &locale = QLocale());

// A date and time as the pattern "dddd, mmm d yyyy h:m:s AMPM" shows it: full
// weekday name, abbreviated month name, day, four-digit year, hour on a
// 12-hour clock, minutes and seconds (none with a leading zero), and the
// locale's morning or afternoon designator. Names follow the locale.
QString formatModifiedTime(const QDateTime &time, const QLocale &locale = QLocale());

// The page title for the Title row: the title scan over the page text
// (characters below code 31 and above 126 dropped). A text without "<TITLE>"
// in that exact case has no title and gives an empty text.
QString propertiesTitle(const QString &pageText);

// What the Size and Modified rows show for a page that is not on disk.
inline constexpr UiText kNoFileText{"frmProperties", QT_TRANSLATE_NOOP("frmProperties", "(file not found)")};
