// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckCommand.h"
#include "core/AppState.h"
#include "core/Paths.h"
#include "editor/Commands.h"
#include "editor/frmEditor.h"
#include "platform/CommandLine.h"
#include "platform/QtPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <pwd.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // What needs no window is done before a display is looked for.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = parseCommandLine(args);
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::puts(qPrintable(versionText()));
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "%s\n\n%s", qPrintable(command.error), qPrintable(usageText()));
        return 2;
    case CommandLine::Action::Check: {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return runCheckCommand(command.files, out, err);
    }
    case CommandLine::Action::Run:
        break;
    }

    // Without HOME every per-user folder (settings, journals, projects) would
    // be taken from "/": take the home folder the system has for the user.
    if (qEnvironmentVariableIsEmpty("HOME")) {
        if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir)
            qputenv("HOME", user->pw_dir);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagsmith"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tagsmith.svg")));
    // Ties the windows to the installed tagsmith.desktop (icon and name in docks).
    QGuiApplication::setDesktopFileName(QStringLiteral("tagsmith"));

    // Named from where the program was started: the window changes folder.
    QStringList paths;
    for (const QString &file : command.files)
        paths << QFileInfo(file).absoluteFilePath();
    // Files for the Tagsmith already open on this display go to it.
    SingleInstance instance(SingleInstance::socketPath());
    if (instance.start(paths, !command.newWindow) == SingleInstance::Outcome::HandedOver)
        return 0;

    QtPlatform desktop;
    AppState state;
    state.appDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    state.dataDir = Paths::dataDir(state.appDir);
    installTranslations(QLocale(), Paths::translations(state.dataDir));
    state.projectsRoot = Paths::projectsRoot(
        state.appDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));

    frmEditor editor(state, desktop.platform());
    editor.startPaths = paths;
    QObject::connect(&instance, &SingleInstance::filesReceived, &editor,
                     [&editor](const QStringList &files) { Commands::openHandedOver(editor, files); });
    // Logging out, or being told to end, saves the page as the close box does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &editor, [&editor] { editor.saveForSessionEnd(); });
    onTerminationSignals(&editor, [&editor] { editor.ExitEditor(CloseReason::AppShutdown); });
    editor.load();
    if (desktop.platform().end.ended())
        return 0;
    return app.exec();
}
