// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/frmEditor.h"
#include "editor/ScintillaTextBox.h"
#include "support/FakePlatform.h"

#include <memory>

// A main window on a fresh application directory and a scriptable desktop.
// Settings start empty unless the test writes some before start().
struct EditorFixture {
    EditorFixture()
    {
        state.appDir = app.path();
        state.dataDir = app.path();
        state.projectsRoot = app.path() + QStringLiteral("/project");
        // Start straight in the default project unless a test asks otherwise.
        fake.settings.write(QStringLiteral("Settings"), QStringLiteral("ProjMan"), QStringLiteral("1"));
        fake.settings.writes = 0;
    }
    // Writes a page into a project folder (created as needed).
    QString page(const QString &name, const QByteArray &bytes, const QString &project = QStringLiteral("default"))
    {
        return app.write(QStringLiteral("project/") + project + u'/' + name, bytes);
    }
    frmEditor &start()
    {
        editor = std::make_unique<frmEditor>(state, fake.platform);
        editor->load();
        return *editor;
    }
    ScintillaTextBox &box() { return *editor->editorWidget(); }

    TestAppDir app;
    FakePlatform fake;
    AppState state;
    std::unique_ptr<frmEditor> editor;
};
