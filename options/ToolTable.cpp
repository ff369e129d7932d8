// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ToolTable.h"

#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace ToolTable {

namespace {
bool validSlot(int slot) { return slot >= 1 && slot <= kToolSlots; }
} // namespace

bool isOccupied(const AppState &state, int slot)
{
    return validSlot(slot) && !state.ToolCaptions[slot].isEmpty();
}

int count(const AppState &state)
{
    int n = 0;
    for (int slot = 1; slot <= kToolSlots; ++slot)
        if (isOccupied(state, slot))
            ++n;
    return n;
}

int firstFreeSlot(const AppState &state)
{
    for (int slot = 1; slot <= kToolSlots; ++slot)
        if (!isOccupied(state, slot))
            return slot;
    return 0;
}

void closeGaps(AppState &state)
{
    int to = 1;
    for (int from = 1; from <= kToolSlots; ++from) {
        if (!isOccupied(state, from))
            continue;
        if (from != to) {
            state.ToolCaptions[to] = state.ToolCaptions[from];
            state.ToolFilenames[to] = state.ToolFilenames[from];
        }
        ++to;
    }
    for (; to <= kToolSlots; ++to) {
        state.ToolCaptions[to].clear();
        state.ToolFilenames[to].clear();
    }
}

bool add(AppState &state, const QString &caption, const QString &program)
{
    const int slot = firstFreeSlot(state);
    if (slot == 0 || caption.isEmpty())
        return false;
    state.ToolCaptions[slot] = caption;
    state.ToolFilenames[slot] = program;
    return true;
}

void remove(AppState &state, int slot)
{
    if (!validSlot(slot))
        return;
    for (int n = slot; n < kToolSlots; ++n) {
        state.ToolCaptions[n] = state.ToolCaptions[n + 1];
        state.ToolFilenames[n] = state.ToolFilenames[n + 1];
    }
    state.ToolCaptions[kToolSlots].clear();
    state.ToolFilenames[kToolSlots].clear();
}

QStringList captions(const AppState &state)
{
    QStringList list;
    for (int slot = 1; slot <= kToolSlots; ++slot)
        if (isOccupied(state, slot))
            list << state.ToolCaptions[slot];
    return list;
}

int slotForRow(const AppState &state, int row)
{
    if (row < 0)
        return 0;
    for (int slot = 1; slot <= kToolSlots; ++slot) {
        if (!isOccupied(state, slot))
            continue;
        if (row == 0)
            return slot;
        --row;
    }
    return 0;
}

void load(AppState &state, const SettingsStore &settings)
{
    for (int n = 1; n <= kToolSlots; ++n) {
        state.ToolCaptions[n] = settings.read(SettingsKeys::Tools, SettingsKeys::toolCaption(n), QString());
        state.ToolFilenames[n] = settings.read(SettingsKeys::Tools, SettingsKeys::toolFilename(n), QString());
    }
}

void store(const AppState &state, SettingsStore &settings)
{
    for (int n = 1; n <= kToolSlots; ++n) {
        settings.write(SettingsKeys::Tools, SettingsKeys::toolCaption(n), state.ToolCaptions[n]);
        settings.write(SettingsKeys::Tools, SettingsKeys::toolFilename(n), state.ToolFilenames[n]);
    }
}

} // namespace ToolTable
