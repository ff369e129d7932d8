// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Problem.h"

#include <QStringView>

// The references of a page (HREF, SRC, BACKGROUND, ACTION, DATA and the
// like) that point into the project, a relative address or a file URL, and
// name a file that does not exist: one problem each, "missing file: " and
// the reference as written, at the place of its first character. Addresses
// of other sites, same-page anchors and template placeholders are left
// alone, and so is every relative address of a page whose BASE points
// elsewhere.
QList<Problem> checkLinks(QStringView text, const QString &pageFolder);
