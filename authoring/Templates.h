// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TextBox;

// The ready-made snippets of the "&HTML" menu.
enum class TagTemplate {
    JavaScript, VbScript, Marquee, bgsound, AnotherPage, color, FSize, Bold, Center, Italic, Underline,
    Break, Paragraph, Image, BASEURL, Comment
};

QString templateText(TagTemplate id);

// Puts the template in place of the selection (nothing happens while the
// project has no pages). The script templates leave the caret on their
// empty indented line.
void insertTemplate(TextBox &box, int pageCount, TagTemplate id);
