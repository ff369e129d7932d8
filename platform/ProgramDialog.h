// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFileDialog;

// Sets up an open-file dialog to pick a program: it lists folders and the
// files the user may run ("Programs"), and everything on "All files".
// Programs here have no common extension, so the choice is made by the
// execute permission, which only the program's own dialog can look at.
void offerPrograms(QFileDialog &dialog);
