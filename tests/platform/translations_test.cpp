// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language reaches Qt's own texts (standard buttons) and the
// program's catalogue is found by its name in the translations folder; the
// program's texts stay as written where no catalogue has them.
#include "core/Paths.h"
#include "platform/Translations.h"
#include "texttools/HTMLFind.h"
#include "texttools/FindState.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void germanLocaleGivesGermanStandardButtons()
    {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        const QString qtBase = qtFolder + QStringLiteral("/qtbase_de.qm");
        if (!QFile::exists(qtBase))
            QSKIP("Qt's German translations are not installed (Debian package qt6-translations-l10n)");
        // Any catalogue named tagsmith_de.qm in the folder is taken: Qt's
        // own stands in for one, as no translation of the program exists yet.
        QTemporaryDir data;
        const QString folder = Paths::translations(data.path());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(qtBase, folder + QStringLiteral("/tagsmith_de.qm")));

        // Qt's, QScintilla's (when installed) and the program's.
        const int expected = 2 + QFile::exists(qtFolder + QStringLiteral("/qscintilla_de.qm"));
        QCOMPARE(installTranslations(QLocale(QLocale::German, QLocale::Austria), folder), expected);
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        FindState find;
        HTMLFind dialog(find);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
        QCOMPARE(dialog.Command2->text(), QStringLiteral("&Cancel"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
