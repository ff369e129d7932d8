// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Hand a file, folder or web address to the desktop's default handler.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // Returns whether the desktop accepted it; callers mostly ignore the result.
    virtual bool open(const QString &pathOrUrl) = 0;
};

// Start another program, not waited for.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // program and arguments are passed as they are (no shell, so blanks are safe).
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

// The open-file dialog.
struct OpenFileRequest {
    QString title;
    QString filter;       // as the program names it, e.g. "Programs|*.exe"
    QString defaultExt;
    QString startFolder;
    bool executablesOnly = false; // offer only files the user may run
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Full path of the chosen file, or empty when cancelled.
    virtual QString openFile(QWidget *parent, const OpenFileRequest &request) = 0;
};

// The text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

// Ends the program at once, without any window's closing steps. Code that
// calls endNow() returns right after it: a test ending does not stop the process.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    void endNow()
    {
        m_ended = true;
        doEnd();
    }
    bool ended() const { return m_ended; }

protected:
    virtual void doEnd() = 0;

private:
    bool m_ended = false;
};
