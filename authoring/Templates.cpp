// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/Templates.h"

#include "core/TextBox.h"

namespace {
QString script(const QString &language, const QString &comment)
{
    return QStringLiteral("<SCRIPT language=\"") + language + QStringLiteral("\">\r\n\t") + comment
           + QStringLiteral("\r\n\t\r\n</SCRIPT>");
}
bool isScript(TagTemplate id) { return id == TagTemplate::JavaScript || id == TagTemplate::VbScript; }
} // namespace

QString templateText(TagTemplate id)
{
    switch (id) {
    case TagTemplate::JavaScript: return script(QStringLiteral("JavaScript"), QStringLiteral("// Insert JavaScript code here"));
    case TagTemplate::VbScript: return script(QStringLiteral("VBScript"), QStringLiteral("' Insert Visual Basic Script code here"));
    case TagTemplate::Marquee: return QStringLiteral("<MARQUEE> [Insert Text] </MARQUEE>");
    case TagTemplate::bgsound: return QStringLiteral("<BGSOUND SRC=\"[URL]\">");
    case TagTemplate::AnotherPage: return QStringLiteral("<A HREF=\"[Insert URL]\"> [Insert Desc]</A>");
    case TagTemplate::color: return QStringLiteral("<FONT COLOR=[Set Color #RRGGBB]> [Insert Text] </FONT>");
    case TagTemplate::FSize: return QStringLiteral("<FONT SIZE=[Specify Size 1 to 7]> [Insert Text]</FONT>");
    case TagTemplate::Bold: return QStringLiteral("<B> [Insert Text]</B>");
    case TagTemplate::Center: return QStringLiteral("<CENTER> [Insert Text] </CENTER>");
    case TagTemplate::Italic: return QStringLiteral("<CITE> [Insert Text] </CITE>");
    case TagTemplate::Underline: return QStringLiteral("<U> [Insert Text] </U>");
    case TagTemplate::Break: return QStringLiteral("<BR>");
    case TagTemplate::Paragraph: return QStringLiteral("<P> [Insert Text] </P>");
    case TagTemplate::Image: return QStringLiteral("<IMG SRC=\"[Image Filename]\" BORDER=0>");
    case TagTemplate::BASEURL: return QStringLiteral("<BASE HREF=\"[Insert URL]\">");
    case TagTemplate::Comment: return QStringLiteral("<COMMENT> [Insert Text] </COMMENT>");
    }
    return QString();
}

void insertTemplate(TextBox &box, int pageCount, TagTemplate id)
{
    if (pageCount < 1)
        return;
    box.replaceSelection(templateText(id));
    // Back over "</SCRIPT>" and the CR LF before it, onto the line after the TAB.
    if (isScript(id))
        box.setSelStart(box.selStart() - 11);
}
