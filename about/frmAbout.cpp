// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmAbout.h"

#include "core/WebAddresses.h"
#include "editor/DialogPlacement.h"
#include "editor/Twips.h"
#include "editor/frmEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

namespace {
// Client area of the box, in twips.
constexpr int kWidth = 6210, kHeight = 3345;
} // namespace

frmAbout::frmAbout(frmEditor &editor) : QDialog(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setFixedSize(twipsToPxX(kWidth, this), twipsToPxY(kHeight, this));

    auto *Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 128);"));
    placeTwips(Shape2, 0, 2520, 6255, 855);

    auto *Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    placeTwips(Shape1, 0, 0, 4695, 2535);

    QFont regular = font();
    regular.setPointSizeF(8.25);
    regular.setBold(false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1, 240, 120, 4185, 1260);
    {
        const qreal dpr = devicePixelRatioF();
        QPixmap logo(Image1->size() * dpr);
        logo.setDevicePixelRatio(dpr);
        logo.fill(Qt::transparent);
        QPainter p(&logo);
        QSvgRenderer(QStringLiteral(":/logo.svg")).render(&p, QRectF(QPointF(0, 0), Image1->size()));
        p.end();
        Image1->setPixmap(logo);
    }
    Image1->installEventFilter(this);

    auto label = [&](QLabel *&target, const char *name, const QString &text, int l, int t, int w, int h) {
        target = new QLabel(text, this);
        target->setObjectName(QString::fromLatin1(name));
        target->setFont(regular);
        target->setWordWrap(true);
        placeTwips(target, l, t, w, h);
    };
    label(Label5, "Label5", tr("for Windows 95/NT"), 1440, 1560, 2895, 255);
    label(Label2, "Label2", QStringLiteral("1.0 Beta 2 (0008)"), 2760, 1800, 1575, 255);
    label(Label3, "Label3", kMakerWebSite, 480, 2040, 3735, 375);
    QFont big = regular;
    big.setPointSize(12);
    Label3->setFont(big);
    label(Label4, "Label4", tr("Copyright \u00A9 1996 Corvane. All rights reserved."), 0, 2640, 5295, 255);
    label(Label1, "Label1",
          tr("This software is currently in beta and carries no warrenties expressed or implied."), 0, 2880,
          6135, 495);
    for (QLabel *l : {Label4, Label1}) {
        l->setStyleSheet(QStringLiteral("color: white;"));
        l->setIndent(twipsToPxX(60, this));
    }

    cmdAbout = new QPushButton(tr("&OK"), this);
    cmdAbout->setObjectName(QStringLiteral("cmdAbout"));
    placeTwips(cmdAbout, 4920, 240, 1095, 375);
    cmdAbout->setDefault(true);
    // "&OK" is both the default and the cancel button: Enter and Esc close the box.
    connect(cmdAbout, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::load()
{
    centreOnScreen(this);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        m_editor.platform().messages.inform(this, tr("Thank you for choosing Tagsmith!"),
                                            tr("Message"), MessageRequest::Icon::None);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::closeEvent(QCloseEvent *e)
{
    // Closing the box through its frame only closes the box: it passes the
    // program's own unload reason, for which the editor carries on.
    m_editor.ExitEditor(CloseReason::Code);
    QDialog::closeEvent(e);
}
