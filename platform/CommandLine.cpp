// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include <QCoreApplication>

CommandLine parseCommandLine(const QStringList &args)
{
    CommandLine cl;
    bool options = true;
    for (const QString &arg : args) {
        if (options && arg == QStringLiteral("--")) {
            options = false;
        } else if (options && (arg == QStringLiteral("--help") || arg == QStringLiteral("-h"))) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (options && arg == QStringLiteral("--version")) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (options && arg == QStringLiteral("--check")) {
            cl.action = CommandLine::Action::Check;
        } else if (options && arg == QStringLiteral("--new-window")) {
            cl.newWindow = true;
        } else if (options && arg.startsWith(u'-') && arg.size() > 1) {
            return {CommandLine::Action::Error, {}, QCoreApplication::translate("CommandLine", "tagsmith: unknown option \"%1\"").arg(arg)};
        } else {
            cl.files << arg;
        }
    }
    return cl;
}

QString usageText()
{
    return QCoreApplication::translate("CommandLine", "Usage: tagsmith [--help] [--version] [--new-window] [FILE|FOLDER]...\n"
                          "       tagsmith --check PAGE...\n"
                          "\n"
                          "Tagsmith edits hand-written HTML pages, kept in projects.\n"
                          "\n"
                          "  FILE          open this page (a .htm or .html file) instead of starting\n"
                          "                with the Project Manager: a page of a project in the projects\n"
                          "                folder opens in its project, any other page opens its folder\n"
                          "                as a project\n"
                          "  FOLDER        open this folder's pages as a project\n"
                          "  --new-window  open a window of its own; without it, a FILE or FOLDER\n"
                          "                goes to the Tagsmith already running on this display\n"
                          "  --check       check the pages' markup and links and print the problems as\n"
                          "                FILE:LINE:COL: error|warning|info: message, without a window\n"
                          "  --help        print this help and end\n"
                          "  --version     print the version and end\n");
}

QString versionText() { return QStringLiteral("Tagsmith " TAGSMITH_VERSION); }
