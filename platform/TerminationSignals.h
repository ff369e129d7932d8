// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

// Runs `handler` on the event loop when the process is asked to end
// (SIGTERM, SIGHUP, SIGINT), instead of being killed on the spot: the
// program then ends the way it does when the session ends.
void onTerminationSignals(QObject *context, std::function<void()> handler);
