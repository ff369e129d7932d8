// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct AppState;
class SettingsStore;

// The custom tool table (AppState::ToolCaptions / ToolFilenames, slots 1..9).
// A slot is free when its caption is empty. The operations keep the occupied
// slots together from slot 1, in the order the tools were added.
namespace ToolTable {

bool isOccupied(const AppState &state, int slot);
// Number of occupied slots.
int count(const AppState &state);
// First free slot, or 0 when all nine are taken.
int firstFreeSlot(const AppState &state);

// Moves the occupied slots down over any free ones, keeping their order;
// the freed slots at the end are emptied (caption and program path).
void closeGaps(AppState &state);
// Puts the tool into the first free slot; false (and no change) when all
// nine slots are taken.
bool add(AppState &state, const QString &caption, const QString &program);
// Removes the tool of the slot: every later tool, caption and program path
// together, moves down one slot and slot 9 becomes free. Slots outside 1..9
// change nothing.
void remove(AppState &state, int slot);

// Captions of the occupied slots in slot order: what the Options list shows.
QStringList captions(const AppState &state);
// Slot of the tool shown at list position row (0-based): the row-th occupied
// slot, so that the mapping holds even if a hand-edited store left a gap.
// 0 when there is no such entry.
int slotForRow(const AppState &state, int row);

// Reads the nine slots from section "Tools" (empty when absent).
void load(AppState &state, const SettingsStore &settings);
// Writes all eighteen keys, free slots as empty strings.
void store(const AppState &state, SettingsStore &settings);

} // namespace ToolTable
