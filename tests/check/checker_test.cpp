// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML check without a window: the corpus pages against their expected
// rows, the program's own pages (no false alarms), and the place counting.
#include "authoring/Templates.h"
#include "check/PageCheck.h"
#include "check/TextPoint.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QString corpus() { return qEnvironmentVariable("TAGSMITH_SOURCE_DIR") + QStringLiteral("/tests/check/corpus"); }

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The report as the command line prints it, without the file name.
QStringList lines(const PageReport &r)
{
    QStringList out;
    for (const QList<Problem> *list : {&r.markup, &r.links})
        for (const Problem &p : *list)
            out << QStringLiteral("%1:%2: %3: %4").arg(p.line).arg(p.column).arg(severityName(p.severity), p.message);
    return out;
}
} // namespace

class CheckerTest : public QObject {
    Q_OBJECT
private slots:
    void corpusPages_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString &name : QDir(corpus()).entryList({QStringLiteral("*.htm")}))
            QTest::newRow(qPrintable(name)) << name;
    }
    void corpusPages()
    {
        QFETCH(QString, page);
        const PageReport r = checkPage(pageUtf8(readFile(corpus() + u'/' + page)), corpus());
        const QString expected = QString::fromUtf8(readFile(corpus() + u'/' + QFileInfo(page).baseName() + ".expected"));
        QCOMPARE(lines(r), expected.split(u'\n', Qt::SkipEmptyParts));
    }

    // The skeleton of a new page, alone and with each template of the HTML
    // menu in its body, is no problem at all.
    void ownPagesAreClean_data()
    {
        QTest::addColumn<QString>("snippet");
        QTest::newRow("skeleton") << QString();
        for (int id = int(TagTemplate::JavaScript); id <= int(TagTemplate::Comment); ++id)
            QTest::newRow(qPrintable(QString::number(id))) << templateText(TagTemplate(id));
    }
    void ownPagesAreClean()
    {
        QFETCH(QString, snippet);
        QString page = QString::fromUtf8(readFile(qEnvironmentVariable("TAGSMITH_SOURCE_DIR") + "/resources/default.htm"));
        QVERIFY(page.contains(QStringLiteral("<BODY>")));
        page.replace(QStringLiteral("<BODY>"), QStringLiteral("<BODY>\r\n") + snippet);
        const PageReport r = checkPage(page.toUtf8(), QDir::tempPath());
        QCOMPARE(lines(r), QStringList());
    }

    void placesCountAsTheStatusBar()
    {
        const QString text = QStringLiteral("a\r\nb\rc\n\tx\U0001F600y");
        QCOMPARE(textPoint(text, text.indexOf(u'b')).line, 2);
        QCOMPARE(textPoint(text, text.indexOf(u'c')).line, 3);
        const TextPoint y = textPoint(text, text.indexOf(u'y'));
        QCOMPARE(y.line, 4);
        QCOMPARE(y.column, 4); // tab, x, the emoji: one each
    }

    // Without its module the check says so, instead of finding the page clean.
    void aMissingModuleIsSaid()
    {
        const QByteArray modules = qgetenv("TAGSMITH_MODULES");
        qputenv("TAGSMITH_MODULES", QDir::tempPath().toLocal8Bit() + "/no-modules-here");
        const QList<Problem> problems = checkPage("<p>a", QDir::tempPath()).markup;
        qputenv("TAGSMITH_MODULES", modules);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].severity, Severity::Error);
        QVERIFY2(problems[0].message.startsWith(QStringLiteral("The markup check could not start: ")),
                 qPrintable(problems[0].message));
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "checker_test.moc"
