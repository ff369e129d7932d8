// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// The copy of a page the live preview renders: the page's bytes with an
// attribute data-ts="N" put into its N-th start tag (N from 0), so the
// preview can say which element was clicked and show the one at the caret.
// The page itself is never changed.
struct PreviewCopy {
    QByteArray html;
    // Where start tag N begins in the page (its "<"), and its 1-based line
    // (CR LF, LF and CR each end one).
    std::vector<qsizetype> starts;
    std::vector<int> lines;
    bool scripted = false; // the page has a script or noscript element
};

inline constexpr char kPreviewAttribute[] = "data-ts";

// Start tags in comments and declarations, and markup-like text in script,
// style, textarea, title and xmp elements are left as they are.
PreviewCopy annotatePage(QByteArrayView page);

// The start tag that holds or precedes byte position `pos` of the page the
// copy was made from, or -1 when none does.
int elementAt(const PreviewCopy &copy, qsizetype pos);

// Where an element may go in front of the page's content without changing
// how it is read: after a leading <!DOCTYPE ...> (and the comments before
// it), else at the very start.
qsizetype headPlace(QByteArrayView page);
