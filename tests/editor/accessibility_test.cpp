// SPDX-License-Identifier: GPL-3.0-or-later
// Every control the keyboard reaches has a name a screen reader can speak,
// in the main window and in the dialogs.
#include "editor/ImageButton.h"
#include "options/frmOptions.h"
#include "project/ProjMan.h"
#include "support/EditorFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QtTest>

namespace {
QStringList nameless(QWidget *window)
{
    window->show();
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // The toolbar's buttons take no focus but are clicked all the same.
        const bool reached = w->focusPolicy() != Qt::NoFocus || qobject_cast<ImageButton *>(w);
        if (!w->isVisibleTo(window) || !reached)
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (a && a->text(QAccessible::Name).trimmed().isEmpty())
            found << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    }
    return found;
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName()
    {
        EditorFixture f;
        f.page("a.htm", "<p>a</p>");
        f.start();
        QCOMPARE(f.editor->pageList()->accessibleName(), QStringLiteral("Web Page"));
        QCOMPARE(nameless(f.editor.get()).join(u','), QString());
        frmOptions options(*f.editor);
        options.load();
        for (int tab = 0; tab < options.SSTab1->count(); ++tab) {
            options.SSTab1->setCurrentIndex(tab);
            QCOMPARE(nameless(&options).join(u','), QString());
        }
        ProjMan projects(f.state, f.fake.platform, f.editor.get());
        projects.load();
        QCOMPARE(nameless(&projects).join(u','), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
