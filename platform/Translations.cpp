// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

int installTranslations(const QLocale &locale, const QString &folder)
{
    int loaded = 0;
    const auto add = [&](const QString &name, const QString &dir) {
        // Tries each of the user's languages in turn, "de_AT" before "de".
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), dir) && QCoreApplication::installTranslator(translator))
            ++loaded;
        else
            delete translator;
    };
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    add(QStringLiteral("qtbase"), qt);
    add(QStringLiteral("qscintilla"), qt); // the editing area's context menu
    add(QStringLiteral("tagsmith"), folder);
    return loaded;
}
