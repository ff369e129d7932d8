// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A printer seen as the program uses it: lines of text, page breaks, and the
// end of the document, which sends the job.
class LinePrinter {
public:
    virtual ~LinePrinter() = default;
    virtual void line(const QString &text) = 0;
    virtual void newPage() = 0;
    // Returns false when nothing could be printed.
    virtual bool endDoc() = 0;
};
