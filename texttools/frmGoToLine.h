// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QSpinBox;

// The Go To Line dialog: a line number from 1 up; a number past the
// page's last line stands for the last line.
class frmGoToLine : public QDialog {
    Q_OBJECT
public:
    frmGoToLine(int currentLine, int lineCount, QWidget *parent = nullptr);
    int line() const;

    QSpinBox *Number = nullptr;
};
