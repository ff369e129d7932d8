// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A message box with fixed text, as the program's windows show them.
struct MessageRequest {
    enum class Icon { None, Information, Question, Exclamation };
    enum class Buttons { Ok, YesNo };
    QString text;
    QString title = QStringLiteral("Tagsmith");
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    bool defaultNo = false; // Yes/No boxes: the second button (No) is the default
};

enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget *parent, const MessageRequest &message) = 0;

    // Shorthands for the two shapes the program uses.
    void inform(QWidget *parent, const QString &text, const QString &title, MessageRequest::Icon icon)
    {
        show(parent, MessageRequest{text, title, icon, MessageRequest::Buttons::Ok, false});
    }
    // Yes/No with the question icon and No as default; true for Yes.
    bool confirm(QWidget *parent, const QString &text, const QString &title = QStringLiteral("Tagsmith"))
    {
        return show(parent, MessageRequest{text, title, MessageRequest::Icon::Question, MessageRequest::Buttons::YesNo, true})
               == MessageAnswer::Yes;
    }
};
