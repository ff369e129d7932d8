// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class frmEditor;
class QLabel;
class QPushButton;

// The About box: logo, version, platform line, notice and disclaimer.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(frmEditor &editor);
    void load();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QPushButton *cmdAbout = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *e) override;

private:
    frmEditor &m_editor;
};
