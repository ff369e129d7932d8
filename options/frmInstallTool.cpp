// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frmInstallTool.h"

#include "editor/Twips.h"
#include "options/ToolTable.h"

#include <QLabel>
#include <QLineEdit>

frmInstallTool::frmInstallTool(AppState &state, Platform &platform, QWidget *parent)
    : ToolDialog(state, platform, parent, true)
{
    setObjectName(QStringLiteral("frmInstallTool"));
    setWindowTitle(tr("Install Tool"));
    Label1 = new QLabel(tr("To add a tool you must assign it a caption and command line.  "
                           "This will add it to the Tools menu."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setGeometry(twipsToPxX(120, this), twipsToPxY(120, this), twipsToPxX(4470, this),
                        twipsToPxY(495, this));
}

void frmInstallTool::load()
{
    centre();
    ToolTable::closeGaps(m_state);
}

void frmInstallTool::okClicked()
{
    if (!fieldsFilled())
        return;
    // With all nine slots taken nothing is added, and the dialog closes all the same.
    ToolTable::add(m_state, Text1->text(), m_chosenPath);
    accept();
}
