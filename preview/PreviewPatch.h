// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/PreviewMarkup.h"

#include <optional>

// A change to the page the preview can show without loading the whole copy
// again: the new content of one element, annotated as the new copy is, or
// the whole new copy, for the pane to read and put in just what differs.
struct PreviewPatch {
    int element = -1; // its data-ts number, the same before and after; -1: the whole page
    QByteArray inner; // what goes between its start and end tags, or the whole copy
    // Elements numbered `after` and up in the copy shown (those after its
    // content) are numbered `shift` more in the new copy.
    int after = 0;
    int shift = 0;
};

// The patch that turns the copy shown (of `before`) into the copy of `after`:
// one element's content when the edit lies inside an element whose content
// both times holds only text and well-nested inline elements, else the whole
// page. Nothing when the page runs scripts (they may have rebuilt what would
// be replaced; a new load runs them again).
std::optional<PreviewPatch> previewPatch(QByteArrayView before, const PreviewCopy &shown, QByteArrayView after,
                                         const PreviewCopy &next);

// Where byte `pos` of the page stands in its annotated copy.
qsizetype copyOffset(const PreviewCopy &copy, qsizetype pos);
