// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/ProgramDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>


MessageAnswer QtMessageBoxes::show(QWidget *parent, const MessageRequest &message)
{
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    switch (message.icon) {
    case MessageRequest::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageRequest::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageRequest::Icon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageRequest::Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    if (message.buttons == MessageRequest::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

bool DesktopShellOpen::open(const QString &pathOrUrl)
{
    const bool isWeb = pathOrUrl.startsWith(QLatin1String("http:"), Qt::CaseInsensitive)
                       || pathOrUrl.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
    return QDesktopServices::openUrl(isWeb ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl));
}

bool DetachedStarter::start(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

QString QtFileDialogs::openFile(QWidget *parent, const OpenFileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString());
    if (request.executablesOnly)
        offerPrograms(dialog);
    else
        dialog.setNameFilter(request.filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void QtClipboard::clear() { QApplication::clipboard()->clear(); }
void QtClipboard::setText(const QString &text) { QApplication::clipboard()->setText(text); }
QString QtClipboard::text() const { return QApplication::clipboard()->text(); }

void ExitProcess::doEnd()
{
    // Ended through the event loop (also from inside a dialog's), so that the
    // windows close in order and the clipboard is handed to the desktop's
    // clipboard manager as the program goes. Settings are written as they
    // change and the page before this is called.
    QCoreApplication::exit(0);
}

QtPlatform::QtPlatform()
    : m_settings(IniSettingsStore::defaultFilePath()),
      m_recovery(RecoveryStore::defaultFolder()),
      m_platform{m_settings, m_messages, m_shell, m_starter, m_files, m_clipboard, m_end, m_recovery, &m_printers}
{
    m_settings.setFailureHandler([this](const QString &message) {
        m_messages.inform(QApplication::activeWindow(), message, QStringLiteral("Tagsmith"),
                          MessageRequest::Icon::Exclamation);
    });
}

QtPlatform::~QtPlatform() = default;
