// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What Find remembers for the whole run: the text and case choice last
// entered in the Find dialog, and where the last search matched.
struct FindState {
    QString searchText;
    int matchCase = 0;
    int lastMatch = 0; // 1-based; 0 after a search that found nothing
};
