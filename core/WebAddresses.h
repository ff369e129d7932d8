// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The maker's and the product's web addresses, shown in the Help menu, the
// About box and the comment line of every new page.
inline const QString kMakerWebSite = QStringLiteral("http://www.corvane.com");
inline const QString kProductWebPage = QStringLiteral("http://www.corvane.com/tagsmith");
