// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/frmGoToLine.h"

#include "editor/DialogPlacement.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

frmGoToLine::frmGoToLine(int currentLine, int lineCount, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGoToLine"));
    setWindowTitle(tr("Go To Line"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *label = new QLabel(tr("&Line number (1 - %1):").arg(lineCount), this);
    Number = new QSpinBox(this);
    Number->setObjectName(QStringLiteral("Number"));
    // A number past the last line goes to the last line.
    Number->setRange(1, std::numeric_limits<int>::max());
    Number->setValue(currentLine);
    Number->setButtonSymbols(QAbstractSpinBox::NoButtons);
    label->setBuddy(Number);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Access keys of their own: the desktop theme's captions may have none.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Number);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
    centreOnScreen(this);
    Number->selectAll();
    Number->setFocus();
}

int frmGoToLine::line() const { return Number->value(); }
