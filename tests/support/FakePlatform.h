// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AppState.h"
#include "core/RecoveryStore.h"
#include "core/TextBox.h"
#include "platform/Desktop.h"
#include "platform/IniFormat.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

// Settings kept in memory.
class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString &section, const QString &key, const QString &def) const override
    {
        const QString *v = iniFind(doc, section, key);
        return v ? *v : def;
    }
    bool write(const QString &section, const QString &key, const QString &value) override
    {
        iniSet(doc, section, key, value);
        ++writes;
        return true;
    }
    bool contains(const QString &section, const QString &key) const override
    {
        return iniFind(doc, section, key) != nullptr;
    }
    QStringList keys(const QString &section) const override { return iniKeys(doc, section); }
    IniDocument doc;
    int writes = 0;
};

// Message boxes that answer from a script and record what they showed.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(QWidget *, const MessageRequest &message) override
    {
        shown.append(message);
        if (message.buttons == MessageRequest::Buttons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.dequeue();
    }
    QStringList texts() const
    {
        QStringList t;
        for (const auto &s : shown)
            t << s.text;
        return t;
    }
    QQueue<MessageAnswer> answers; // for Yes/No boxes; No when empty
    QList<MessageRequest> shown;
};

class RecordingShell : public ShellOpen {
public:
    bool open(const QString &target) override
    {
        opened << target;
        return result;
    }
    QStringList opened;
    bool result = true; // false: the desktop has no opener
};

class RecordingStarter : public ProgramStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };
    bool start(const QString &program, const QStringList &arguments) override
    {
        started.append({program, arguments});
        return result;
    }
    QList<Start> started;
    bool result = true;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *, const OpenFileRequest &request) override
    {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    QQueue<QString> answers; // empty = cancelled
    QList<OpenFileRequest> requests;
};

class MemoryClipboard : public Clipboard {
public:
    void clear() override
    {
        content.clear();
        ++clears;
    }
    void setText(const QString &text) override { content = text; }
    QString text() const override { return content; }
    QString content;
    int clears = 0;
};

class RecordingEnd : public ProgramEnd {
protected:
    void doEnd() override {}
};

// A printer that records every operation as a line of text:
// "line:<text>", "newPage", "endDoc".
class RecordingPrinter : public LinePrinter {
public:
    void line(const QString &text) override { ops << QStringLiteral("line:") + text; }
    void newPage() override { ops << QStringLiteral("newPage"); }
    bool endDoc() override
    {
        ops << QStringLiteral("endDoc");
        return true;
    }
    QStringList ops;
};

// A complete scriptable desktop.
struct FakePlatform {
    MemorySettingsStore settings;
    ScriptedMessageBoxes messages;
    RecordingShell shell;
    RecordingStarter starter;
    ScriptedFileDialogs files;
    MemoryClipboard clipboard;
    RecordingEnd end;
    QTemporaryDir stateDir; // the per-user state folder
    RecoveryStore recovery{stateDir.path()};
    Platform platform{settings, messages, shell, starter, files, clipboard, end, recovery, nullptr};
};

// A text box over a plain string, for logic that needs no window.
class PlainTextBox : public TextBox {
public:
    explicit PlainTextBox(const QString &t = QString()) : m_text(t) {}
    QString text() const override { return m_text; }
    void setText(const QString &t) override
    {
        m_text = t;
        m_start = 0;
        m_len = 0;
        m_modified = false;
    }
    bool isModified() const override { return m_modified; }
    void setModified(bool modified) override { m_modified = modified; }
    TextEncoding encoding() const override { return m_enc; }
    void setEncoding(TextEncoding e) override { m_enc = e; }
    int length() const override { return int(m_text.size()); }
    QChar charAt(int pos) const override { return pos >= 0 && pos < m_text.size() ? m_text[pos] : QChar(); }
    int selStart() const override { return m_start; }
    int selLength() const override { return m_len; }
    void setSelStart(int pos) override
    {
        m_start = qBound(0, pos, length());
        m_len = 0;
    }
    void setSelection(int start, int len) override
    {
        m_start = qBound(0, start, length());
        m_len = qBound(0, len, length() - m_start);
    }
    QString selectedText() const override { return m_text.mid(m_start, m_len); }
    void replaceSelection(const QString &t) override
    {
        m_text.replace(m_start, m_len, t);
        m_modified = true;
        m_start += int(t.size());
        m_len = 0;
    }
    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool e) override { m_enabled = e; }

private:
    QString m_text;
    int m_start = 0, m_len = 0;
    bool m_enabled = true;
    bool m_modified = false;
    TextEncoding m_enc = TextEncoding::Utf8;
};

// A fresh application directory (with the page skeleton) for one test.
struct TestAppDir {
    TestAppDir();
    QString path() const { return dir.path(); }
    // Writes a file below the application directory, creating folders.
    QString write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    QTemporaryDir dir;
};
