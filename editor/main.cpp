#include "core/AppState.h"
#include "core/Paths.h"
#include "editor/frmEditor.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
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

    QtPlatform desktop;
    AppState state;
    state.appDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    state.dataDir = Paths::dataDir(state.appDir);
    state.projectsRoot = Paths::projectsRoot(
        state.appDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));

    frmEditor editor(state, desktop.platform());
    // Logging out, or being told to end, saves the page as the close box does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &editor, [&editor] { editor.saveForSessionEnd(); });
    onTerminationSignals(&editor, [&editor] { editor.ExitEditor(CloseReason::AppShutdown); });
    editor.load();
    if (desktop.platform().end.ended())
        return 0;
    return app.exec();
}
