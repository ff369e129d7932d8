// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qsci/qsciscintillabase.h>

#include <QColor>
#include <QObject>

class ScintillaTextBox;

// An editing feature beside the page's plain text (colouring, line numbers,
// ...): attached to the editing area, it follows its notifications and can be
// switched on and off on its own. Starts switched off.
class EditorDecorator : public QObject {
    Q_OBJECT
public:
    explicit EditorDecorator(ScintillaTextBox &box);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

protected:
    using Sci = QsciScintillaBase; // the component's messages and values
    // Puts the feature on the editing area, or takes it off.
    virtual void apply(bool enabled) = 0;
    // The editing area got a new document; called only while switched on.
    virtual void documentReplaced() {}

    ScintillaTextBox &box() const { return m_box; }
    long sci(unsigned int msg, unsigned long w = 0, long l = 0) const;
    // A colour as the component's messages take it (0xBBGGRR).
    static long colourValue(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

private:
    ScintillaTextBox &m_box;
    bool m_enabled = false;
};
