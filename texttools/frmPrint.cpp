// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttools/frmPrint.h"

#include "core/TextBox.h"
#include "editor/DialogPlacement.h"
#include "texttools/PrintJob.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmPrint::frmPrint(TextBox &txtEdit, Platform &platform, const QString &pageName, QWidget *parent)
    : QDialog(parent), m_txtEdit(txtEdit), m_platform(platform), m_pageName(pageName)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("Print"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Frame1 = new QGroupBox(tr(" Print Range "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new QRadioButton(tr("All"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(tr("Selection"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Option1);
    frameLayout->addWidget(Option2);

    Command1 = new QPushButton(tr("&Print"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    auto *main = new QHBoxLayout(this);
    main->addWidget(Frame1, 1);
    main->addLayout(buttons);
    Frame1->setMinimumWidth(160);
    setFixedSize(sizeHint());

    connect(Command1, &QPushButton::clicked, this, &frmPrint::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPrint::load()
{
    centreOnScreen(this);
    Option2->setEnabled(!m_txtEdit.selectedText().isEmpty());
}

void frmPrint::Command1_Click()
{
    const QString source = Option1->isChecked() ? m_txtEdit.text() : m_txtEdit.selectedText();
    printOnDefaultPrinter(m_platform, this, source, m_pageName);
    accept();
}
