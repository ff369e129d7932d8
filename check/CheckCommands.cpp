// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of the HTML check: Tools "Check &HTML" and "Check &Project
// Links", both shown in the one Problems window of the main window.
#include "check/LinkCheck.h"
#include "check/PageCheck.h"
#include "check/ProblemsWindow.h"
#include "core/AppState.h"
#include "core/Paths.h"
#include "editor/Commands.h"
#include "editor/ScintillaTextBox.h"
#include "editor/frmEditor.h"

#include <QFile>
#include <QFileInfo>

namespace {
QList<ProblemEntry> entries(const QList<Problem> &problems, const QString &page)
{
    QList<ProblemEntry> rows;
    for (const Problem &p : problems)
        rows.append({page, p});
    return rows;
}

ProblemsWindow &problemsWindow(frmEditor &editor)
{
    if (auto *w = editor.findChild<ProblemsWindow *>())
        return *w;
    auto *w = new ProblemsWindow(&editor);
    QObject::connect(w, &ProblemsWindow::checkAgain, &editor, [&editor] { Commands::checkHtml(editor); });
    QObject::connect(w, &ProblemsWindow::goTo, &editor, [&editor](const QString &page, int line, int column) {
        // A row of another page opens it through the normal page switch.
        if (!page.isEmpty() && !editor.openPage(page))
            return;
        editor.editorWidget()->goToLineColumn(line, column);
    });
    return *w;
}

QString projectFolder(const frmEditor &editor)
{
    const AppState &s = const_cast<frmEditor &>(editor).state();
    return Paths::projectFolder(s.projectsRoot, s.CurrentProject);
}
} // namespace

namespace Commands {

void checkHtml(frmEditor &editor)
{
    ProblemsWindow &w = problemsWindow(editor);
    const QByteArray utf8 = editor.editorWidget()->utf8().toByteArray();
    const QString folder = projectFolder(editor);
    // Rows go to the page checked, even after a switch to another.
    const QString page = editor.pageCount() > 0 ? editor.currentPageName() : QString();
    const QString subject = page.isEmpty() ? QCoreApplication::translate("CheckCommands", "the page") : page;
    w.run(subject, [utf8, folder, page, subject] {
        const PageReport r = checkPage(utf8, folder);
        return ProblemsReport{subject,
                              {{QCoreApplication::translate("CheckCommands", "Markup"), entries(r.markup, page)},
                               {QCoreApplication::translate("CheckCommands", "Links"), entries(r.links, page)}}};
    });
    w.show();
    w.raise();
    w.activateWindow();
}

void checkProjectLinks(frmEditor &editor)
{
    ProblemsWindow &w = problemsWindow(editor);
    const QString folder = projectFolder(editor);
    // The page on screen as it is now, the others as saved.
    const QString onScreen = editor.pageCount() > 0 ? editor.currentPageName() : QString();
    const QString screenText = QString::fromUtf8(editor.editorWidget()->utf8());
    const QString project = editor.state().CurrentProject;
    w.run(project, [folder, onScreen, screenText, project] {
        ProblemSection links{QCoreApplication::translate("CheckCommands", "Links"), {}, true};
        for (const QString &name : Paths::listPages(folder)) {
            QString text = screenText;
            if (name != onScreen) {
                QFile f(folder + u'/' + name);
                if (!f.open(QIODevice::ReadOnly))
                    continue;
                text = QString::fromUtf8(pageUtf8(f.readAll()));
            }
            links.rows += entries(checkLinks(text, folder), name);
        }
        return ProblemsReport{QCoreApplication::translate("CheckCommands", "Project %1").arg(project), {links}};
    });
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace Commands
