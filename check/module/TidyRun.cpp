// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML check's module: libtidy, run on a page for its messages.
#include "check/TidyRun.h"

#include <QByteArray>
#include <QtGlobal>

#include <tidy/tidy.h>

namespace {
struct Run {
    void *context;
    TidyNoteSink sink;
};

int levelOf(TidyReportLevel level)
{
    if (level <= TidyInfo)
        return 0;
    return level < TidyError ? 1 : 2;
}

Bool TIDY_CALL onMessage(TidyMessage m)
{
    const auto *run = static_cast<const Run *>(tidyGetAppData(tidyGetMessageDoc(m)));
    // The message without tidy's "line 1 column 1 - Warning: ".
    QByteArray text = tidyGetMessageOutputDefault(m);
    for (const char *lead : {tidyGetMessagePosDefault(m), tidyGetMessagePrefixDefault(m)})
        if (lead && text.startsWith(lead))
            text.remove(0, qstrlen(lead));
    run->sink(run->context, {tidyGetMessageLine(m), tidyGetMessageColumn(m), levelOf(tidyGetMessageLevel(m)),
                             tidyGetMessageKey(m), text.constData()});
    return no; // tidy prints nothing
}
} // namespace

extern "C" Q_DECL_EXPORT void tagsmith_run_tidy(const char *utf8, void *context, TidyNoteSink sink)
{
    Run run{context, sink};
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &run);
    tidySetMessageCallback(doc, onMessage);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, yes);
    tidyOptSetInt(doc, TidyShowErrors, 1000);
    tidyOptSetBool(doc, TidyWarnPropAttrs, yes);
    tidyOptSetInt(doc, TidyTabSize, 1); // a tab is one column, as on the status bar
    tidySetCharEncoding(doc, "utf8");
    // The HTML5 and proprietary verdicts come only from the repair of tidy's
    // own tree; the page is never written back.
    if (tidyParseString(doc, utf8) >= 0 && tidyCleanAndRepair(doc) >= 0)
        tidyRunDiagnostics(doc);
    tidyRelease(doc);
}
