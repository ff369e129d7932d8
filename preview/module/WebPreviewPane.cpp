// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview's engine side: a Qt WebEngine view that renders the
// annotated copy of the page, reports clicks and links, and keeps requests
// on the local file system unless the user allows more. Built as a module
// of its own so the engine is loaded only when the pane is first shown.
#include "preview/PreviewPane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QOpenGLContext>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>
#include <unistd.h>

Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {
const QString kClickNote = QStringLiteral("tagsmith-click:");

// Reports the element under a click as a console line the pane reads; the
// log function is taken before the page's own scripts run.
const QString kClickScript = QStringLiteral(R"JS(
(function () {
  var log = console.log.bind(console);
  document.addEventListener('click', function (e) {
    var el = e.target && e.target.closest ? e.target.closest('[data-ts]') : null;
    if (el) log('tagsmith-click:' + el.getAttribute('data-ts'));
  }, true);
})();
)JS");

// Scrolls element N (or the nearest ancestor with a box) into view.
QString revealScript(int element, bool outline)
{
    return QStringLiteral(R"JS(
(function () {
  var e = document.querySelector('[data-ts="%1"]');
  while (e && e.parentElement && e.getClientRects().length === 0) e = e.parentElement;
  if (!e || !e.scrollIntoView) return;
  e.scrollIntoView({block: 'nearest'});
  if (!%2) return;
  var was = e.style.outline;
  e.style.outline = '2px solid #3875d7';
  setTimeout(function () { e.style.outline = was; }, 700);
})();
)JS")
        .arg(element)
        .arg(outline ? QStringLiteral("true") : QStringLiteral("false"));
}

// Scrolls to the element a "#name" link points at.
QString anchorScript(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("(function (n) { var e = document.getElementById(n) || document.getElementsByName(n)[0];"
                          " if (e) e.scrollIntoView(); })('%1');")
        .arg(quoted);
}

// The scripts that change the page shown in place, called with the new
// content or copy, the element's number, and the renumbering: elements
// numbered `after` and up get `shift` more.
const char kRenumber[] = R"JS(
  function renumber(after, shift) {
    if (shift) document.querySelectorAll('[data-ts]').forEach(function (x) {
      var n = +x.getAttribute('data-ts'); if (n >= after) x.setAttribute('data-ts', n + shift); });
  })JS";

// New content for one element.
const QString kPatchElement = QStringLiteral("(function (h, element, after, shift) {") + QLatin1String(kRenumber)
                              + QStringLiteral(R"JS(
  var e = document.querySelector('[data-ts="' + element + '"]');
  if (!e) return false;
  renumber(after, shift);
  e.innerHTML = h;
  return e.offsetHeight >= 0;
})(%4, %1, %2, %3);)JS");

// A new copy, read as the engine would load it; just the nodes that differ
// are put in, going down while one element alone differs, and the page's and
// the body's attributes are taken over. False when a load is needed: the
// doctype changed how the page is read, or the body became a frameset.
const QString kPatchPage = QStringLiteral("(function (h, element, after, shift) {") + QLatin1String(kRenumber)
                           + QStringLiteral(R"JS(
  var doc = new DOMParser().parseFromString(h, 'text/html');
  if (document.compatMode !== doc.compatMode || document.body.tagName !== doc.body.tagName) return false;
  renumber(after, shift);
  function sameAttributes(a, b) {
    if (a.attributes.length !== b.attributes.length) return false;
    for (var i = 0; i < a.attributes.length; ++i)
      if (b.getAttribute(a.attributes[i].name) !== a.attributes[i].value) return false;
    return true;
  }
  function takeAttributes(a, b) {
    for (var i = a.attributes.length - 1; i >= 0; --i)
      if (!b.hasAttribute(a.attributes[i].name)) a.removeAttribute(a.attributes[i].name);
    for (var k = 0; k < b.attributes.length; ++k) a.setAttribute(b.attributes[k].name, b.attributes[k].value);
  }
  // Elements whose children are not to be changed one by one.
  var whole = /^(TABLE|TBODY|THEAD|TFOOT|TR|SELECT|TEXTAREA|PRE|LISTING|IFRAME|OBJECT|TEMPLATE)$/;
  function patch(to, from) {
    for (;;) {
      var a = to.childNodes, b = from.childNodes, i = 0, j = 0;
      while (i < a.length && i < b.length && a[i].isEqualNode(b[i])) ++i;
      while (j < a.length - i && j < b.length - i && a[a.length - 1 - j].isEqualNode(b[b.length - 1 - j])) ++j;
      if (a.length - i - j === 1 && b.length - i - j === 1 && a[i].nodeType === 1 && b[i].nodeType === 1
          && a[i].tagName === b[i].tagName && sameAttributes(a[i], b[i]) && !whole.test(a[i].tagName)) {
        to = a[i];
        from = b[i];
        continue;
      }
      var next = a[a.length - j] || null;
      Array.prototype.slice.call(a, i, a.length - j).forEach(function (n) { to.removeChild(n); });
      Array.prototype.slice.call(b, i, b.length - j).forEach(function (n) { to.insertBefore(document.adoptNode(n), next); });
      return;
    }
  }
  takeAttributes(document.documentElement, doc.documentElement);
  takeAttributes(document.body, doc.body);
  patch(document.head, doc.head);
  patch(document.body, doc.body);
  return document.body.offsetHeight >= 0;
})(%4, %1, %2, %3);)JS");

// `text` as a script's string literal: quotes, backslashes, line ends and
// control characters escaped (one pass; a 1 MB copy goes through it).
QString scriptString(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    out += u'"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\')
            out += u'\\', out += c;
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += u'"';
    return out;
}

bool isLocal(const QUrl &url)
{
    static const QStringList kLocal{QStringLiteral("file"), QStringLiteral("data"), QStringLiteral("blob"),
                                    QStringLiteral("about")};
    return kLocal.contains(url.scheme());
}

// Blocks requests that would leave the machine and counts them.
class RemoteBlocker : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    std::atomic<bool> allowed{false};
    std::atomic<int> blocked{0};
    std::function<void(int)> report;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (allowed || isLocal(info.requestUrl()))
            return;
        info.block(true);
        const int n = ++blocked;
        QMetaObject::invokeMethod(this, [this, n] { if (report) report(n); }, Qt::QueuedConnection);
    }
};

// A page opened by a link with a target: its first navigation is the link.
class LinkCatcher : public QWebEnginePage {
public:
    LinkCatcher(QWebEngineProfile *profile, std::function<void(const QUrl &)> report, QObject *parent)
        : QWebEnginePage(profile, parent), m_report(std::move(report))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        if (m_report)
            m_report(url);
        deleteLater();
        return false;
    }

private:
    std::function<void(const QUrl &)> m_report;
};

class PreviewPage : public QWebEnginePage {
public:
    PreviewPage(QWebEngineProfile *profile, PreviewPane &pane, QObject *parent)
        : QWebEnginePage(profile, parent), m_pane(pane)
    {
    }
    QUrl m_base; // the page the copy on screen stands in for
    QUrl m_copy; // the copy's file

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        // Only the copies the program puts in replace the page; a link goes
        // to the program, never into the pane.
        if (!isMainFrame || url == m_copy || url.scheme() == QLatin1String("about"))
            return true;
        // A link within the page: the copy on screen scrolls, the file is not loaded.
        if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == m_base) {
            runJavaScript(anchorScript(url.fragment()), QWebEngineScript::ApplicationWorld);
            return false;
        }
        if ((type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted) && m_pane.linkClicked)
            m_pane.linkClicked(url);
        return false;
    }
    QWebEnginePage *createWindow(WebWindowType) override
    {
        return new LinkCatcher(profile(), m_pane.linkClicked, this);
    }
    // Dialogs of the page's scripts never hold up the editor.
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int, const QString &) override
    {
        bool ok = false;
        const int element = message.startsWith(kClickNote) ? message.mid(kClickNote.size()).toInt(&ok) : -1;
        if (ok && m_pane.elementClicked)
            m_pane.elementClicked(element);
    }

private:
    PreviewPane &m_pane;
};

class WebPreviewPane : public PreviewPane {
public:
    explicit WebPreviewPane(QWidget *parent) : m_view(new QWebEngineView(parent))
    {
        m_view->setObjectName(QStringLiteral("PreviewView"));
        auto *profile = new QWebEngineProfile(m_view); // off the record: nothing kept on disk
        m_blocker = new RemoteBlocker(m_view);
        m_blocker->report = [this](int n) { if (remoteBlocked) remoteBlocked(n); };
        profile->setUrlRequestInterceptor(m_blocker);
        m_page = new PreviewPage(profile, *this, m_view);
        // Children go in the order they were added, and the profile must
        // outlive its page: moved to the end.
        profile->setParent(nullptr);
        profile->setParent(m_view);
        m_page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        // Typing goes on in the page's source while the copy loads.
        m_page->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        QWebEngineScript click;
        click.setName(QStringLiteral("tagsmith-click"));
        click.setSourceCode(kClickScript);
        click.setInjectionPoint(QWebEngineScript::DocumentCreation);
        click.setWorldId(QWebEngineScript::MainWorld);
        m_page->scripts().insert(click);
        m_view->setPage(m_page);
        QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) { loaded(ok); });
        QObject::connect(m_page, &QWebEnginePage::renderProcessTerminated, m_view,
                         [this](QWebEnginePage::RenderProcessTerminationStatus, int code) {
                             if (failed)
                                 failed(QCoreApplication::translate("WebPreviewPane",
                                                                    "The preview stopped (code %1); it starts "
                                                                    "again with the next change.")
                                            .arg(code));
                         });
    }
    ~WebPreviewPane() override { delete m_view.data(); }

    QWidget *widget() override { return m_view; }

    void render(const QByteArray &html, const QUrl &base) override
    {
        m_clock.start();
        // Loaded from a file: twice as quick as a data: address, and of any
        // size. Two files in turn, so the one loading is not rewritten.
        const QString path = m_files.filePath(QStringLiteral("copy%1.htm").arg(++m_renders % 2));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(html) != html.size()) {
            if (failed)
                failed(QCoreApplication::translate("WebPreviewPane",
                                                   "The preview could not write its copy of the page to %1.")
                           .arg(QDir::toNativeSeparators(path)));
            return;
        }
        file.close();
        // A copy still loading has not scrolled back yet: keep the last place.
        if (!m_loading)
            m_scroll = m_page->scrollPosition();
        m_loading = true;
        m_blocker->blocked = 0;
        m_page->m_base = base;
        m_page->m_copy = QUrl::fromLocalFile(path);
        m_page->load(m_page->m_copy);
    }

    bool patch(const PreviewPatch &patch) override
    {
        if (m_loading)
            return false;
        m_clock.start();
        const QString literal = scriptString(QString::fromUtf8(patch.inner));
        // The elements after the edit are numbered anew first, so that what
        // did not change compares equal; reading a size lays the page out,
        // so the figure includes it.
        // One pass over the markers, so that none in the content is read as one.
        const QString script = (patch.element >= 0 ? kPatchElement : kPatchPage)
                                   .arg(QString::number(patch.element), QString::number(patch.after),
                                        QString::number(patch.shift), literal);
        m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [this](const QVariant &done) {
            if (done.toBool()) {
                if (rendered)
                    rendered(m_clock.elapsed());
            } else if (patchFailed) {
                patchFailed();
            }
        });
        return true;
    }

    void reveal(int element) override
    {
        m_reveal = element;
        if (!m_loading)
            m_page->runJavaScript(revealScript(element, true), QWebEngineScript::ApplicationWorld);
    }

    void setRemoteAllowed(bool allowed) override { m_blocker->allowed = allowed; }

private:
    // A copy replaced while loading may report too: the place is put back twice.
    // One script puts back the place and shows the caret's element; the
    // figure is taken when it is done.
    void loaded(bool)
    {
        m_loading = false;
        QString script = QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y());
        if (m_reveal >= 0)
            script += revealScript(m_reveal, false);
        m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [this](const QVariant &) {
            if (rendered)
                rendered(m_clock.elapsed());
        });
    }

    QPointer<QWebEngineView> m_view; // gone first when the window goes
    PreviewPage *m_page = nullptr;
    RemoteBlocker *m_blocker = nullptr;
    QElapsedTimer m_clock;
    QPointF m_scroll;
    QTemporaryDir m_files;
    int m_renders = 0;
    bool m_loading = false;
    int m_reveal = -1;
};

// Why the engine cannot start here, or nothing: its helper program and its
// resources missing make it end the whole program, so they are looked for first.
QString missingPart()
{
    const QString helper = qEnvironmentVariableIsSet("QTWEBENGINE_PROCESS_PATH")
                               ? qEnvironmentVariable("QTWEBENGINE_PROCESS_PATH")
                               : QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)
                                     + QStringLiteral("/QtWebEngineProcess");
    if (!QFileInfo(helper).isExecutable())
        return QCoreApplication::translate("WebPreviewPane", "the engine's helper program %1 is missing")
            .arg(QDir::toNativeSeparators(helper));
    const QString resources = QLibraryInfo::path(QLibraryInfo::DataPath) + QStringLiteral("/resources");
    if (!QFileInfo::exists(resources + QStringLiteral("/qtwebengine_resources.pak"))
        && !qEnvironmentVariableIsSet("QTWEBENGINE_RESOURCES_PATH"))
        return QCoreApplication::translate("WebPreviewPane", "the engine's resources are missing from %1")
            .arg(QDir::toNativeSeparators(resources));
    return {};
}
} // namespace

extern "C" Q_DECL_EXPORT PreviewPane *tagsmith_create_preview_pane(QWidget *parent, QString *reason)
{
    const QString missing = missingPart();
    if (!missing.isEmpty()) {
        if (reason)
            *reason = missing;
        return nullptr;
    }
    // The engine reads the format of the OpenGL context shared with the
    // window, which Qt makes at start only when asked to (Tagsmith does not:
    // it loads the OpenGL driver, 58 MB more memory with the pane closed).
    // One is made now, valid or not (no OpenGL: the engine draws without).
    if (!QOpenGLContext::globalShareContext()) {
        auto *shared = new QOpenGLContext; // lives as long as the engine: to the end
        shared->create();
        qt_gl_set_global_share_context(shared);
    }
    // The engine's sandbox cannot run as root; Qt's documented way out.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return new WebPreviewPane(parent);
}
