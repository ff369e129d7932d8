// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frmInstallProp.h"

#include "core/AppState.h"

#include <QFileInfo>
#include <QLineEdit>

frmInstallProp::frmInstallProp(AppState &state, Platform &platform, int slot, QWidget *parent)
    : ToolDialog(state, platform, parent, false), m_slot(slot)
{
    setObjectName(QStringLiteral("frmInstallProp"));
    setWindowTitle(tr("Tool Properties"));
}

void frmInstallProp::load()
{
    centre();
    if (m_slot < 1 || m_slot > kToolSlots)
        return;
    Text1->setText(m_state.ToolCaptions[m_slot]);
    const QFileInfo program(m_state.ToolFilenames[m_slot]);
    // A program file that no longer exists leaves the box empty, so "&Ok"
    // stays disabled until another one is chosen.
    Text2->setText(!m_state.ToolFilenames[m_slot].isEmpty() && program.exists() && !program.isDir()
                       ? program.fileName()
                       : QString());
}

QString frmInstallProp::storedProgram() const
{
    return m_slot >= 1 && m_slot <= kToolSlots ? m_state.ToolFilenames[m_slot] : QString();
}

void frmInstallProp::okClicked()
{
    // "&Ok" is enabled only with both boxes filled; checking again keeps an
    // emptied caption from opening a gap in the middle of the table.
    if (!fieldsFilled())
        return;
    if (m_slot >= 1 && m_slot <= kToolSlots) {
        m_state.ToolCaptions[m_slot] = Text1->text();
        // The old program stays unless another one was chosen.
        if (!m_chosenPath.isEmpty())
            m_state.ToolFilenames[m_slot] = m_chosenPath;
    }
    accept();
}
