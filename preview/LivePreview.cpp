// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/LivePreview.h"

#include "editor/ScintillaTextBox.h"
#include "preview/PreviewModule.h"
#include "preview/PreviewPane.h"
#include "preview/PreviewPatch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The copy with relative addresses resolved from the page.
QByteArray withBase(const QByteArray &html, const QUrl &base)
{
    if (!base.isValid())
        return html;
    QByteArray href = base.toEncoded();
    href.replace('&', "&amp;").replace('"', "&quot;");
    const qsizetype at = headPlace(html);
    return html.left(at) + "<base href=\"" + href + "\">" + html.mid(at);
}

// The copy as the engine loads it: UTF-8 whatever the page declares (the
// text on screen is UTF-8).
QByteArray forEngine(const QByteArray &html, const QUrl &base) { return "\xEF\xBB\xBF" + withBase(html, base); }
} // namespace

LivePreview::LivePreview(ScintillaTextBox &box, Hooks hooks, QWidget *parent)
    : QWidget(parent), m_box(box), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("LivePreview"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *top = new QHBoxLayout;
    top->setContentsMargins(4, 0, 0, 0);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("PreviewNote"));
    auto *close = new QToolButton(this);
    close->setObjectName(QStringLiteral("PreviewClose"));
    close->setText(QStringLiteral("\u00d7"));
    close->setToolTip(tr("Close the live preview (F12)"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &LivePreview::closeRequested);
    top->addWidget(m_note, 1);
    top->addWidget(close);
    column->addLayout(top);

    QString reason;
    m_pane = loadPreviewPane(this, &reason);
    if (!m_pane) {
        showNote(tr("The live preview cannot run: %1").arg(reason));
        column->addStretch(1);
        return;
    }
    column->addWidget(m_pane->widget(), 1);
    m_pane->rendered = [this](qint64) {
        m_lastRenderMs = m_clock.elapsed();
        ++m_renders;
        m_patches += m_patching ? 1 : 0;
        m_patching = false;
        emit rendered();
    };
    m_pane->elementClicked = [this](int element) {
        if (element < 0 || size_t(element) >= m_copy.starts.size())
            return;
        m_revealed = element;
        const qsizetype at = qMin<qsizetype>(m_copy.starts[size_t(element)], m_box.utf8().size());
        m_box.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(at));
        m_box.setFocus();
    };
    m_pane->linkClicked = [this](const QUrl &url) {
        if (m_hooks.link)
            m_hooks.link(url);
    };
    m_pane->remoteBlocked = [this](int count) {
        showNote(count == 1 ? tr("1 remote file not loaded (Options > Environment can allow them)")
                            : tr("%1 remote files not loaded (Options > Environment can allow them)").arg(count));
    };
    m_pane->failed = [this](const QString &why) {
        m_shown.clear();
        showNote(why);
    };
    m_pane->patchFailed = [this] {
        m_patching = false;
        m_shown.clear();
        load();
    };

    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &LivePreview::render);
    m_caretPause.setSingleShot(true);
    m_caretPause.setInterval(80);
    connect(&m_caretPause, &QTimer::timeout, this, &LivePreview::followCaret);
    connect(&m_box, &QsciScintilla::cursorPositionChanged, this, [this] {
        if (isVisible() && !m_stale)
            m_caretPause.start();
    });
}

LivePreview::~LivePreview() { delete m_pane; }

QString LivePreview::note() const { return m_note->text(); }

QWidget *LivePreview::view() const { return m_pane ? m_pane->widget() : nullptr; }

void LivePreview::setRemoteAllowed(bool allowed)
{
    if (!m_pane || allowed == m_remote)
        return;
    m_remote = allowed;
    m_pane->setRemoteAllowed(allowed);
    // What was blocked, or let through, is asked for again by a new load.
    if (!m_shown.isEmpty()) {
        m_shown.clear();
        if (isVisible())
            m_pause.start(0);
    }
}

void LivePreview::textChanged()
{
    m_stale = true;
    if (!m_pane || !isVisible())
        return;
    if (!m_waiting.isValid())
        m_waiting.start();
    // While typing goes on the pane still changes once a second.
    m_pause.start(m_waiting.elapsed() + kPauseMs >= kLongestWaitMs ? 0 : kPauseMs);
}

void LivePreview::pageChanged()
{
    m_stale = true;
    m_shown.clear();
    m_revealed = -1;
    if (m_pane && isVisible())
        m_pause.start(0); // after the switch has settled on the new page's path
}

void LivePreview::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_stale && m_pane)
        m_pause.start(0);
}

void LivePreview::render()
{
    m_waiting.invalidate();
    m_stale = false;
    m_clock.start();
    QByteArray text = m_box.utf8().toByteArray();
    PreviewCopy copy = annotatePage(text);
    // An edit changes in the pane just what it changed in the page (one
    // element's content, or the parts of the page that differ): no new load,
    // the place kept as it is. Pages with scripts are loaded anew.
    auto patch = m_shown.isEmpty() ? std::nullopt : previewPatch(m_shown, m_copy, text, copy);
    m_copy = std::move(copy);
    m_shown = std::move(text);
    if (patch && patch->element < 0)
        patch->inner = withBase(m_copy.html, base());
    const bool patched = patch && m_pane->patch(*patch);
    m_patching = patched;
    if (!patched)
        load();
    // A new load scrolls to the caret's element once loaded; a patch left the
    // place as it was, and the element typed in stays where it is.
    const int element = elementAt(m_copy, caretByte());
    if (element >= 0 && !(patched && element == m_revealed))
        m_pane->reveal(element);
    m_revealed = element;
}

void LivePreview::load()
{
    showNote({});
    m_pane->render(forEngine(m_copy.html, base()), base());
}

void LivePreview::followCaret()
{
    const int element = elementAt(m_copy, caretByte());
    if (element >= 0 && element != m_revealed)
        m_pane->reveal(element);
    m_revealed = element;
}

QUrl LivePreview::base() const { return m_hooks.base ? m_hooks.base() : QUrl(); }

qsizetype LivePreview::caretByte() const
{
    return qsizetype(m_box.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

void LivePreview::showNote(const QString &text)
{
    m_note->setText(text);
    m_note->setToolTip(text);
}
