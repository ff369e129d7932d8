// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Between the HTML check and its module (check/module/TidyRun.cpp), which
// holds libtidy so that the library is loaded only when a check runs.

// One message of tidy's: its place (line 0: a summary, not a place), how
// bad it is (0 info, 1 warning, 2 error), its key ("MISSING_ENDTAG_FOR")
// and its text without tidy's "line 1 column 1 - Warning: ".
struct TidyNote {
    int line;
    int column;
    int level;
    const char *key;
    const char *text;
};
using TidyNoteSink = void (*)(void *context, const TidyNote &message);

// Runs tidy on a page given as UTF-8 (its parse, repair and diagnostics;
// nothing is written), handing each message to sink in the order tidy
// reports them.
using RunTidy = void (*)(const char *utf8, void *context, TidyNoteSink sink);
inline constexpr char kRunTidy[] = "tagsmith_run_tidy";
