// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window for the README.
//
//   tagsmith_screenshots [output folder]      (default: docs)
//
// Builds a throwaway application directory with a sample project "My Site",
// opens each window in a typical state and saves a grab of it as PNG into the
// output folder. Settings, message boxes, file dialogs and printers are the
// scriptable in-memory ones, so nothing outside the temporary folder and the
// output folder is touched. Run it under a real X server for real fonts:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/tagsmith_screenshots docs

#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"
#include "about/frmAbout.h"
#include "check/ProblemsWindow.h"
#include "editor/Commands.h"
#include "options/ToolTable.h"
#include "options/frmInstallProp.h"
#include "options/frmInstallTool.h"
#include "options/frmOptions.h"
#include "preview/LivePreview.h"
#include "project/ProjMan.h"
#include "project/frmProperties.h"
#include "project/webNew.h"
#include "spell/frmSpell.h"
#include "spell/frmSpellSug.h"
#include "support/FakePlatform.h"
#include "support/FakePrinters.h"
#include "texttools/HTMLFind.h"
#include "texttools/frmGoToLine.h"
#include "texttools/frmPrint.h"
#include "texttools/frmReplace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

// ---------------------------------------------------------------- the sample project

const char kIndexPage[] = "<HTML>\r\n"
                          "<HEAD>\r\n"
                          "<TITLE>My Site - Home</TITLE>\r\n"
                          "</HEAD>\r\n"
                          "<BODY>\r\n"
                          "<H1>Welcome to My Site</H1>\r\n"
                          "<P>Hello and welcome! This is where I keep notes about my garden, the books "
                          "I have been reading and the ocasional recipe. New pages go up every few weks.</P>\r\n"
                          "<UL>\r\n"
                          "<LI><A HREF=\"garden.htm\">The garden diary</A></LI>\r\n"
                          "<LI><A HREF=\"books.htm\">Books I recomend</A></LI>\r\n"
                          "<LI>Recipes, comming soon</LI>\r\n"
                          "</UL>\r\n"
                          "<P>Thanks for visiting, and do come back in the spring.</P>\r\n"
                          "</BODY>\r\n"
                          "</HTML>\r\n";

const char kGardenPage[] = "<HTML>\r\n"
                           "<HEAD>\r\n"
                           "<TITLE>My Site - The Garden Diary</TITLE>\r\n"
                           "</HEAD>\r\n"
                           "<BODY>\r\n"
                           "<H1>The Garden Diary</H1>\r\n"
                           "<P>The tomatoes are finally red, and the beans have climbed past the fence.</P>\r\n"
                           "<H2>This month</H2>\r\n"
                           "<UL>\r\n"
                           "<LI>Plant the spring bulbs</LI>\r\n"
                           "<LI>Cut back the roses</LI>\r\n"
                           "<LI>Mend the shed roof</LI>\r\n"
                           "</UL>\r\n"
                           "<P><A HREF=\"index.htm\">Back to the home page</A></P>\r\n"
                           "</BODY>\r\n"
                           "</HTML>\r\n";

const char kBooksPage[] = "<HTML>\r\n"
                          "<HEAD>\r\n"
                          "<TITLE>My Site - Books</TITLE>\r\n"
                          "</HEAD>\r\n"
                          "<BODY>\r\n"
                          "<H1>Books I Have Enjoyed</H1>\r\n"
                          "<OL>\r\n"
                          "<LI><I>The Secret Garden</I> by Frances Hodgson Burnett</LI>\r\n"
                          "<LI><I>Three Men in a Boat</I> by Jerome K. Jerome</LI>\r\n"
                          "<LI><I>Cider with Rosie</I> by Laurie Lee</LI>\r\n"
                          "</OL>\r\n"
                          "<P><A HREF=\"index.htm\">Back to the home page</A></P>\r\n"
                          "</BODY>\r\n"
                          "</HTML>\r\n";

// Fails the run with a message.
[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "tagsmith_screenshots: %s\n", qPrintable(what));
    std::exit(1);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
}

void copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + from);
    writeFile(to, source.readAll());
}

// ---------------------------------------------------------------- grabbing

// Lets the window system show and paint what was just opened.
void settle(int ms = 150)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// Saves a picture as small as it stays exact: with 256 colours or fewer it
// becomes an 8-bit palette image, and PNG compression is at its highest.
void savePicture(const QImage &picture, const QString &folder, const QString &name)
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() <= 256; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(line[x]);
    }
    if (colours.size() <= 256) {
        QList<QRgb> table(colours.cbegin(), colours.cend());
        image = image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
    }
    const QString path = folder + u'/' + name;
    if (!image.save(path, "PNG", 0))
        fail(QStringLiteral("cannot save ") + path);
    std::printf("%s  %dx%d  %lld bytes\n", qPrintable(path), image.width(), image.height(),
                static_cast<long long>(QFileInfo(path).size()));
}

// Shows a window if it is not up yet and saves its grab.
void shoot(QWidget *window, const QString &folder, const QString &name)
{
    if (!window->isVisible())
        window->show();
    window->raise();
    window->activateWindow();
    settle();
    savePicture(window->grab().toImage(), folder, name);
}

// The main window with its open menus drawn over it where they stand on the
// screen, the way a screenshot of the desktop would show them.
// The window with the menus or lists that pop up over it.
void shootWithMenus(QWidget *window, const QList<QWidget *> &menus, const QString &folder, const QString &name)
{
    settle(300);
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    QRect area(QPoint(0, 0), window->size());
    for (QWidget *m : menus) {
        if (!m->isVisible())
            fail(QStringLiteral("menu ") + m->objectName() + QStringLiteral(" did not open"));
        area |= QRect(m->pos() - origin, m->size());
    }
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(window->palette().color(QPalette::Window));
    QPainter p(&picture);
    p.drawPixmap(-area.topLeft(), window->grab());
    for (QWidget *m : menus)
        p.drawPixmap(m->pos() - origin - area.topLeft(), m->grab());
    p.end();
    savePicture(picture, folder, name);
}

QAction *menuItem(QMenu *menu, const QString &objectName)
{
    for (QAction *a : menu->actions()) {
        if (a->menu() && a->menu()->objectName() == objectName)
            return a;
    }
    fail(QStringLiteral("no submenu ") + objectName);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("TAGSMITH_MODULES"))
        qputenv("TAGSMITH_MODULES", TAGSMITH_MODULES_DIR);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagsmith"));
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")).absolutePath();
    if (!QDir().mkpath(out))
        fail(QStringLiteral("cannot make ") + out);

    // The application directory: skeleton, dictionary and three projects.
    // A short folder name, so that paths the windows show stay readable.
    QTemporaryDir temp(QDir::tempPath() + QStringLiteral("/ts-XXXXXX"));
    if (!temp.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString appDir = temp.path() + QStringLiteral("/tagsmith");
    copyFile(QStringLiteral(TAGSMITH_SKELETON_FILE), appDir + QStringLiteral("/default.htm"));
    copyFile(QStringLiteral(TAGSMITH_DICTIONARY_FILE), appDir + QStringLiteral("/spell.dat"));
    const QString site = appDir + QStringLiteral("/project/My Site/");
    const QByteArray comment = newPageCommentLine().toLatin1();
    writeFile(site + QStringLiteral("index.htm"), comment + kIndexPage);
    writeFile(site + QStringLiteral("garden.htm"), comment + kGardenPage);
    writeFile(site + QStringLiteral("books.htm"), comment + kBooksPage);
    QDir().mkpath(appDir + QStringLiteral("/project/default"));
    QDir().mkpath(appDir + QStringLiteral("/project/Family Pages"));
    // Programs for the browser choice and the custom tools (never started).
    const QString bin = temp.path() + QStringLiteral("/bin/");
    for (const char *program : {"firefox", "gimp", "tidy", "linkchecker"})
        writeFile(bin + QString::fromLatin1(program), "#!/bin/sh\n");

    // Settings: start in "My Site", preview with a chosen browser, two tools.
    FakePlatform fake;
    FakePrinters printers;
    fake.platform.printers = &printers;
    namespace K = SettingsKeys;
    fake.settings.write(K::Settings, K::ProjMan, QStringLiteral("1"));
    fake.settings.write(K::Settings, K::DefaultProj, QStringLiteral("My Site"));
    fake.settings.write(K::Settings, K::CBrowser, QStringLiteral("True"));
    fake.settings.write(K::Settings, K::PBrowser, bin + QStringLiteral("firefox"));
    fake.settings.write(K::Tools, K::toolCaption(1), QStringLiteral("Image Editor"));
    fake.settings.write(K::Tools, K::toolFilename(1), bin + QStringLiteral("gimp"));
    fake.settings.write(K::Tools, K::toolCaption(2), QStringLiteral("HTML Tidy"));
    fake.settings.write(K::Tools, K::toolFilename(2), bin + QStringLiteral("tidy"));

    AppState state;
    state.appDir = appDir;
    state.dataDir = appDir;
    state.projectsRoot = appDir + QStringLiteral("/project");
    frmEditor editor(state, fake.platform);
    editor.load();
    if (fake.platform.end.ended())
        fail(QStringLiteral("the main window ended at start: ") + fake.messages.texts().join(u' '));
    // The home page, picked from the page list as a user would.
    QComboBox *pages = editor.pageList();
    const int home = pages->findText(QStringLiteral("index.htm"));
    if (home < 0)
        fail(QStringLiteral("index.htm is not listed"));
    pages->setCurrentIndex(home);
    emit pages->activated(home);
    if (editor.windowTitle() != QStringLiteral("My Site - Home - Tagsmith"))
        fail(QStringLiteral("index.htm did not open: ") + editor.windowTitle());
    editor.editorWidget()->setSelStart(0);
    editor.editorWidget()->setFocus();
    shoot(&editor, out, QStringLiteral("main-window.png"));

    // The live preview beside the page, the caret in the list of links.
    {
        const QSize size = editor.size();
        editor.resize(size.width() * 3 / 2, size.height());
        editor.setPreviewShown(true);
        LivePreview *pane = editor.livePreview();
        if (!pane->running())
            fail(QStringLiteral("the live preview cannot run: ") + pane->note());
        ScintillaTextBox &box = *editor.editorWidget();
        box.setSelStart(int(box.text().indexOf(QStringLiteral("<LI><A HREF=\"books"))) + 4);
        QElapsedTimer t;
        t.start();
        while (pane->renderCount() == 0 && t.elapsed() < 20000)
            settle(50);
        settle(400); // the outline of the element at the caret
        shoot(&editor, out, QStringLiteral("live-preview.png"));
        editor.setPreviewShown(false);
        editor.resize(size);
        box.setSelStart(0);
    }

    // The completion list, typed on a new line after the list of links.
    {
        ScintillaTextBox &box = *editor.editorWidget();
        const QString after = QStringLiteral("</UL>");
        box.setSelStart(int(box.text().indexOf(after)) + int(after.size()));
        auto key = [&box](int code, const QString &text) {
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
            QApplication::sendEvent(&box, &press);
        };
        key(Qt::Key_Return, QStringLiteral("\r"));
        for (QChar c : QStringLiteral("<TABLE "))
            key(0, QString(c));
        settle();
        QList<QWidget *> lists;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QListWidget *>(w))
                lists << w;
        if (lists.isEmpty())
            fail(QStringLiteral("no completion list after <TABLE"));
        shootWithMenus(&editor, lists, out, QStringLiteral("completion.png"));
        key(Qt::Key_Escape, QString());
        while (box.isModified())
            box.undo();
        box.setSelStart(0);
    }

    // HTML > Page Format > Text, opened from the menu bar.
    editor.menuBar()->setActiveAction(editor.HTML->menuAction());
    settle();
    QAction *format = menuItem(editor.HTML, QStringLiteral("Format"));
    editor.HTML->setActiveAction(format);
    settle();
    QAction *text = menuItem(format->menu(), QStringLiteral("FText"));
    format->menu()->setActiveAction(text);
    shootWithMenus(&editor, {editor.HTML, format->menu(), text->menu()}, out, QStringLiteral("html-menu.png"));
    editor.HTML->close();
    format->menu()->close();
    text->menu()->close();
    settle();

    {
        ProjMan d(state, fake.platform, &editor);
        d.load();
        d.List1->setCurrentRow(d.List1->row(d.List1->findItems(QStringLiteral("My Site"), Qt::MatchExactly).value(0)));
        shoot(&d, out, QStringLiteral("project-manager.png"));
        d.Option2->click();
        d.Text1->setText(QStringLiteral("Holiday Photos"));
        shoot(&d, out, QStringLiteral("project-manager-create.png"));
    }
    {
        webNew d(editor);
        d.load();
        d.Text1->setText(QStringLiteral("recipes"));
        d.Option1->setChecked(true);
        shoot(&d, out, QStringLiteral("new-page.png"));
    }
    {
        frmProperties d(editor);
        d.load();
        shoot(&d, out, QStringLiteral("properties.png"));
    }
    {
        frmOptions d(editor);
        d.load();
        const char *tabs[] = {"options-environment.png", "options-startup.png", "options-tools.png"};
        for (int tab = 0; tab < 3; ++tab) {
            d.SSTab1->setCurrentIndex(tab);
            shoot(&d, out, QString::fromLatin1(tabs[tab]));
        }
        // The tool dialogs, opened over the Options dialog as its buttons do.
        frmInstallTool install(state, fake.platform, &d);
        install.load();
        install.Text1->setText(QStringLiteral("Link Checker"));
        fake.files.answers.enqueue(bin + QStringLiteral("linkchecker"));
        install.browse();
        shoot(&install, out, QStringLiteral("install-tool.png"));
        install.hide();
        frmInstallProp props(state, fake.platform, 1, &d);
        props.load();
        shoot(&props, out, QStringLiteral("tool-properties.png"));
    }
    {
        editor.findState().searchText = QStringLiteral("garden");
        HTMLFind d(editor.findState(), &editor);
        d.load();
        shoot(&d, out, QStringLiteral("find.png"));
    }
    {
        frmReplace d(editor);
        d.load();
        d.Text1->setText(QStringLiteral("<B>"));
        d.Text2->setText(QStringLiteral("<STRONG>"));
        shoot(&d, out, QStringLiteral("replace.png"));
    }
    {
        frmGoToLine d(12, editor.editorWidget()->lineCount(), &editor);
        shoot(&d, out, QStringLiteral("go-to-line.png"));
    }
    {
        // A selected paragraph, so that "Selection" is offered.
        ScintillaTextBox &box = *editor.editorWidget();
        const int at = box.text().indexOf(QStringLiteral("<P>Hello"));
        box.setSelection(at, int(box.text().indexOf(QStringLiteral("</P>"), at)) + 4 - at);
        frmPrint d(box, fake.platform, editor.currentPageName(), &editor);
        d.load();
        shoot(&d, out, QStringLiteral("print.png"));
        box.setSelStart(0);
    }
    {
        frmSpellSug d(state, fake.platform, &editor);
        d.load();
        d.Text1->setText(QStringLiteral("recomend"));
        d.Command1->click();
        if (d.List1->count() == 0)
            fail(QStringLiteral("no suggestions for \"recomend\": ") + fake.messages.texts().join(u' '));
        // The right spelling picked, with its neighbours around it.
        const QList<QListWidgetItem *> right = d.List1->findItems(QStringLiteral("recommend"), Qt::MatchExactly);
        if (right.isEmpty())
            fail(QStringLiteral("\"recommend\" is not among the suggestions"));
        d.List1->setCurrentItem(right.first());
        d.show();
        settle();
        d.List1->scrollToItem(right.first(), QAbstractItemView::PositionAtCenter);
        shoot(&d, out, QStringLiteral("spell-check.png"));
    }
    {
        frmSpell d(editor);
        d.load();
        d.Command2->click();
        if (d.List1->count() == 0)
            fail(QStringLiteral("the Spelling Profiler found nothing: ") + fake.messages.texts().join(u' '));
        shoot(&d, out, QStringLiteral("spelling-profiler.png"));
    }
    {
        // The home page with a few slips in it, checked with F7.
        ScintillaTextBox &box = *editor.editorWidget();
        const QString saved = box.text();
        QString slips = QString::fromLatin1(comment + kIndexPage);
        slips.replace(QStringLiteral("<H1>Welcome to My Site</H1>"),
                      QStringLiteral("<H1>Welcome to <B><I>My Site</B></I></H1>\r\n"
                                     "<IMG SRC=\"images/logo.gif\" ALT=\"My Site\" ALIGN=\"CENTRE\">"));
        slips.replace(QStringLiteral("<UL>"), QStringLiteral("<UL ID=\"menu\" COMPACT STYLE1=\"x\">"));
        slips.replace(QStringLiteral("books.htm"), QStringLiteral("book.htm"));
        box.setText(slips);
        Commands::checkHtml(editor);
        auto *d = editor.findChild<ProblemsWindow *>();
        QElapsedTimer waited;
        waited.start();
        while (d && d->isChecking() && waited.elapsed() < 10000)
            settle(50);
        if (!d || d->isChecking())
            fail(QStringLiteral("the Problems window did not show a report"));
        d->resize(620, 300);
        shoot(d, out, QStringLiteral("problems.png"));
        d->close();
        box.setText(saved);
        box.setModified(false);
    }
    {
        frmAbout d(editor);
        d.load();
        shoot(&d, out, QStringLiteral("about.png"));
    }

    // Message boxes are scripted: anything shown on the way is a fault of the run.
    if (!fake.messages.shown.isEmpty())
        fail(QStringLiteral("unexpected messages: ") + fake.messages.texts().join(QStringLiteral(" / ")));
    return 0;
}
