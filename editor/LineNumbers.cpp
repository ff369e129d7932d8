// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LineNumbers.h"

#include "editor/ScintillaTextBox.h"

namespace {
constexpr int kMargin = 0; // the component's line number margin
constexpr int kMinDigits = 2;
} // namespace

LineNumbers::LineNumbers(ScintillaTextBox &box) : EditorDecorator(box)
{
    // The line count is kept by the component: cheap to ask after every change.
    connect(&box, &ScintillaTextBox::changed, this, [this] {
        if (isEnabled())
            fitWidth();
    });
}

void LineNumbers::apply(bool enabled)
{
    if (!enabled) {
        sci(Sci::SCI_SETMARGINWIDTHN, kMargin, 0);
        m_digits = 0;
        return;
    }
    sci(Sci::SCI_SETMARGINTYPEN, kMargin, Sci::SC_MARGIN_NUMBER);
    const QPalette &p = box().palette();
    box().setMarginsBackgroundColor(p.color(QPalette::Window));
    box().setMarginsForegroundColor(p.color(QPalette::PlaceholderText));
    fitWidth();
}

void LineNumbers::fitWidth()
{
    int digits = 1;
    for (long lines = sci(Sci::SCI_GETLINECOUNT); lines >= 10; lines /= 10)
        ++digits;
    digits = qMax(digits, kMinDigits);
    if (digits == m_digits)
        return;
    m_digits = digits;
    const QByteArray sample = QByteArray(digits, '9');
    const long width = sci(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER, reinterpret_cast<long>(sample.constData()));
    sci(Sci::SCI_SETMARGINWIDTHN, kMargin, width + width / digits);
}
