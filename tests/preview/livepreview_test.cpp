// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview with the real engine, in the real main window: what it
// shows, how it follows the text and the caret, and where clicks go.
#include "preview/LivePreview.h"
#include "support/EditorFixture.h"

#include <QImage>
#include <QtTest>

namespace {
const QByteArray kPage = "<HTML><BODY style=\"margin:0\">\r\n"
                         "<H1 style=\"color:#ff0000;font-size:80px;margin:0\">Big</H1>\r\n"
                         "<img src=\"dot.png\" width=60 height=60>\r\n"
                         "<img src=\"http://127.0.0.1:9/remote.png\">\r\n"
                         "<a href=\"two.htm\" style=\"display:block;width:120px;height:40px;background:#00ffff\"></a>\r\n"
                         "<div style=\"height:4000px\"></div>\r\n"
                         "<p id=far style=\"background:#800080;height:60px;margin:0\"></p>\r\n"
                         "</BODY></HTML>\r\n";

int countNear(const QImage &image, QRgb colour, QPoint *first = nullptr)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(colour)) < 24 && qAbs(qGreen(p) - qGreen(colour)) < 24
                && qAbs(qBlue(p) - qBlue(colour)) < 24) {
                if (first && n == 0)
                    *first = QPoint(x, y);
                ++n;
            }
        }
    return n;
}
} // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT
    EditorFixture f;
    LivePreview *pane = nullptr;

    QImage shot() { return pane->view()->grab().toImage(); }
    void clickAt(const QPoint &p)
    {
        QWidget *target = pane->view()->focusProxy() ? pane->view()->focusProxy() : pane->view();
        QTest::mouseClick(target, Qt::LeftButton, {}, p);
    }

private slots:
    void initTestCase()
    {
        QImage dot(8, 8, QImage::Format_RGB32);
        dot.fill(QColor(0, 0, 255));
        f.page(QStringLiteral("index.htm"), kPage);
        f.page(QStringLiteral("two.htm"), "<p>two</p>");
        dot.save(QFileInfo(f.page(QStringLiteral("dot.png"), {})).filePath());
        f.start().resize(1000, 700);
        f.editor->setPreviewShown(true);
        pane = f.editor->livePreview();
        QVERIFY(pane);
        if (!pane->running())
            QSKIP(qPrintable(QStringLiteral("the engine cannot start here: ") + pane->note()));
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        QTRY_VERIFY_WITH_TIMEOUT(pane->renderCount() > 0, 20000);
    }
    void showsThePageWithItsImage()
    {
        // Red heading, the page's own picture through a relative address, and
        // the remote one blocked with a note.
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(255, 0, 0)) > 500, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0, 0, 255)) > 1000, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(pane->note(), QStringLiteral("1 remote file not loaded (Options > Environment can allow them)"), 5000);
        QVERIFY(f.editor->previewItem()->isChecked());
        QCOMPARE(f.fake.settings.read(QStringLiteral("Settings"), QStringLiteral("LivePreview"), {}), QStringLiteral("1"));
    }
    void remoteFilesLoadWhenAllowed()
    {
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("PreviewRemote"), QStringLiteral("1"));
        f.editor->applyEditingOptions();
        const int renders = pane->renderCount();
        f.box().insertAfterCaret(QStringLiteral(" "));
        QTRY_VERIFY_WITH_TIMEOUT(pane->renderCount() > renders, 5000);
        QTest::qWait(300); // a blocked request would have been reported by now
        QCOMPARE(pane->note(), QString());
        f.fake.settings.write(QStringLiteral("Settings"), QStringLiteral("PreviewRemote"), QStringLiteral("0"));
        f.editor->applyEditingOptions();
        const int loads = pane->renderCount();
        f.box().undo();
        QTRY_VERIFY_WITH_TIMEOUT(pane->renderCount() > loads, 5000);
    }
    void typingUpdatesWithoutSaving()
    {
        const int renders = pane->renderCount(), patches = pane->patchCount();
        const int at = f.box().text().indexOf(QStringLiteral("#ff0000"));
        f.box().replaceRange(at, 7, QStringLiteral("#00ff00"));
        // A new element too: the pane puts in what differs, numbered anew.
        f.box().replaceRange(f.box().text().indexOf(QStringLiteral("<img")), 0, QStringLiteral("<hr>"));
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0, 255, 0)) > 500, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(pane->renderCount() > renders, 5000); // drawn before its load is reported
        QCOMPARE(pane->patchCount(), patches + 1);
        QCOMPARE(countNear(shot(), qRgb(255, 0, 0)), 0);
        QFile file(f.state.CurrentPagePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kPage);
    }
    void typingInTextChangesItInPlace()
    {
        const int patches = pane->patchCount();
        const int green = countNear(shot(), qRgb(0, 255, 0));
        f.box().setSelStart(f.box().text().indexOf(QStringLiteral("Big</H1>")) + 3);
        f.box().insertAfterCaret(QStringLiteral("ger<i>!</i>")); // the elements after it numbered anew
        QTRY_VERIFY_WITH_TIMEOUT(pane->patchCount() > patches, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0, 255, 0)) > green * 3 / 2, 5000);
    }
    void styleSheetChangesInPlace()
    {
        // A style element the engine puts in the head, and taken away again.
        for (const bool added : {true, false}) {
            const int patches = pane->patchCount();
            if (added)
                f.box().replaceRange(0, 0, QStringLiteral("<style>body{background:#ffff00}</style>"));
            else
                f.box().undo();
            QTRY_VERIFY_WITH_TIMEOUT(pane->patchCount() > patches, 5000);
            QTRY_COMPARE_WITH_TIMEOUT(countNear(shot(), qRgb(255, 255, 0)) > 10000, added, 5000);
        }
    }
    void clickPutsTheCaretAtTheElement()
    {
        QPoint heading;
        QVERIFY(countNear(shot(), qRgb(0, 255, 0), &heading) > 0);
        clickAt(heading + QPoint(2, 2));
        QTRY_COMPARE_WITH_TIMEOUT(f.box().selStart(), f.box().text().indexOf(QStringLiteral("<H1")), 5000);
    }
    void followsTheCaret()
    {
        QCOMPARE(countNear(shot(), qRgb(0x80, 0, 0x80)), 0);
        f.box().setSelStart(f.box().text().indexOf(QStringLiteral("<p id=far")) + 3);
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0x80, 0, 0x80)) > 1000, 5000);
    }
    void projectLinkSwitchesThePage()
    {
        f.box().setSelStart(f.box().text().indexOf(QStringLiteral("<a href")));
        QPoint link;
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0, 255, 255), &link) > 0, 5000);
        clickAt(link + QPoint(4, 4));
        QTRY_COMPARE_WITH_TIMEOUT(f.editor->currentPageName(), QStringLiteral("two.htm"), 5000);
        QVERIFY(f.fake.shell.opened.isEmpty());
        // The switch wrote the typed change back, as it does for every page left.
        QFile file(QFileInfo(f.state.CurrentPagePath).absolutePath() + QStringLiteral("/index.htm"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("#00ff00"));
        QTRY_VERIFY_WITH_TIMEOUT(countNear(shot(), qRgb(0, 255, 0)) == 0, 5000);
    }
};

QTEST_MAIN(LivePreviewTest)
#include "livepreview_test.moc"
