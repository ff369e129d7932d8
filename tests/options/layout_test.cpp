// SPDX-License-Identifier: GPL-3.0-or-later
// The Options and tool dialogs as drawn: every control inside its parent and
// every single-line caption wide enough for its text. With TAGSMITH_SHOTS_DIR
// set, the dialogs are also saved there as pictures.
#include "options/ToolTable.h"
#include "options/frmInstallProp.h"
#include "options/frmInstallTool.h"
#include "options/frmOptions.h"
#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QtTest>

namespace {
QString plainCaption(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text;
}

// Checks the visible children of a window and returns the problems found.
QStringList layoutProblems(QWidget *window)
{
    QStringList problems;
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (!w->isVisibleTo(window) || !w->parentWidget() || w->objectName().isEmpty())
            continue;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            problems << w->objectName() + QStringLiteral(" leaves its parent");
        QString text;
        int room = w->width();
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->wordWrap())
                continue;
            text = l->text();
            room -= 2 * l->frameWidth();
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            text = plainCaption(b->text());
            if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w))
                room -= w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
            else
                room -= 8;
        } else {
            continue;
        }
        if (w->fontMetrics().horizontalAdvance(text) > room)
            problems << w->objectName() + QStringLiteral(" clips \"") + text + u'"';
    }
    return problems;
}

void shoot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("TAGSMITH_SHOTS_DIR");
    if (!dir.isEmpty())
        w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}
} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void optionsTabs()
    {
        EditorFixture f;
        f.page("index.htm", "");
        f.start();
        const QString view = f.app.write(QStringLiteral("bin/firefox"), "#!/bin/sh\n");
        for (const char *name : {"Notepad", "Image Viewer", "Link Checker"})
            ToolTable::add(f.state, QString::fromLatin1(name), view);
        ToolTable::store(f.state, f.fake.settings);
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("CBrowser"), QStringLiteral("True"));
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("PBrowser"), view);
        frmOptions d(*f.editor);
        d.load();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const char *shots[] = {"options-environment", "options-startup", "options-tools"};
        for (int tab = 0; tab < 3; ++tab) {
            d.SSTab1->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            const QStringList problems = layoutProblems(&d);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
            shoot(&d, QString::fromLatin1(shots[tab]));
        }
    }

    void toolDialogs()
    {
        EditorFixture f;
        f.start();
        const QString program = f.app.write(QStringLiteral("bin/notepad"), "#!/bin/sh\n");
        ToolTable::add(f.state, QStringLiteral("Notepad"), program);

        frmInstallTool install(f.state, f.fake.platform, f.editor.get());
        install.load();
        install.show();
        QVERIFY(QTest::qWaitForWindowExposed(&install));
        QStringList problems = layoutProblems(&install);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        shoot(&install, QStringLiteral("install-tool"));

        frmInstallProp props(f.state, f.fake.platform, 1, f.editor.get());
        props.load();
        props.show();
        QVERIFY(QTest::qWaitForWindowExposed(&props));
        problems = layoutProblems(&props);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        shoot(&props, QStringLiteral("tool-properties"));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
