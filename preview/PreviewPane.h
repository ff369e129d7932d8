// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/PreviewPatch.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// What the main program asks of the engine-backed preview, which lives in a
// module of its own (tagsmith_preview) loaded when the pane is first shown.
// A plain interface without Qt's meta-objects, so neither side needs the
// other's.
class PreviewPane {
public:
    virtual ~PreviewPane() = default;
    virtual QWidget *widget() = 0;
    // Renders `html` (it names its own encoding and base), which stands in
    // for the page at `base`, keeping the scroll position of what was shown
    // before.
    virtual void render(const QByteArray &html, const QUrl &base) = 0;
    // Replaces the content of one element in the page shown, numbering the
    // elements after it anew, keeping everything else as it is. False when
    // no page is there to change (one is loading); `patchFailed` reports an
    // element not found.
    virtual bool patch(const PreviewPatch &patch) = 0;
    // Scrolls element N (its data-ts attribute) into view and outlines it.
    virtual void reveal(int element) = 0;
    // Whether requests outside the local file system may go out.
    virtual void setRemoteAllowed(bool allowed) = 0;

    // Reports, set by the program before the first render.
    std::function<void(qint64 ms)> rendered;            // render() done, in ms
    std::function<void()> patchFailed;                  // patch() found no element N
    std::function<void(int element)> elementClicked;    // a click on element N
    std::function<void(const QUrl &url)> linkClicked;   // never opened in the pane
    std::function<void(int count)> remoteBlocked;       // requests blocked so far for this render
    std::function<void(const QString &reason)> failed;  // the engine stopped
};

// The module's one entry point: a new pane in `parent`, or nothing with the
// reason why the engine cannot run.
using CreatePreviewPane = PreviewPane *(*)(QWidget *parent, QString *reason);
inline constexpr char kCreatePreviewPane[] = "tagsmith_create_preview_pane";
