// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RecoveryStore.h"
#include "platform/Desktop.h"
#include "platform/IniSettingsStore.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/QtPrinters.h"

#include <memory>

class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(QWidget *parent, const MessageRequest &message) override;
};

class DesktopShellOpen : public ShellOpen {
public:
    bool open(const QString &pathOrUrl) override;
};

class DetachedStarter : public ProgramStarter {
public:
    bool start(const QString &program, const QStringList &arguments) override;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const OpenFileRequest &request) override;
};

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};

class ExitProcess : public ProgramEnd {
protected:
    void doEnd() override;
};

// The real desktop, owned by main().
class QtPlatform {
public:
    QtPlatform();
    ~QtPlatform();
    Platform &platform() { return m_platform; }

private:
    IniSettingsStore m_settings;
    QtMessageBoxes m_messages;
    DesktopShellOpen m_shell;
    DetachedStarter m_starter;
    QtFileDialogs m_files;
    QtClipboard m_clipboard;
    ExitProcess m_end;
    RecoveryStore m_recovery;
    QtPrinters m_printers;
    Platform m_platform;
};
