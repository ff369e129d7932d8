// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Problem.h"

#include <QByteArray>

// The markup problems of a page given as UTF-8, found by libtidy and kept
// as MarkupFilter says, in page order (a note on an earlier place follows
// the message it belongs to). Tidy works on its own copy: nothing is
// cleaned up or written. Messages on a tag that still holds a template
// placeholder ("[Insert URL]") are left out: the tag is not finished yet.
QList<Problem> checkMarkup(const QByteArray &utf8);
