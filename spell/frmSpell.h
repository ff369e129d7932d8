// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include "spell/SpellDictionary.h"

#include <QStringList>

#include <memory>

class frmEditor;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The Spelling Profiler: checks every word of the current page's text
// against the dictionary and lists the unknown ones with their positions in
// the editor text.
class frmSpell : public QDialog {
    Q_OBJECT
public:
    explicit frmSpell(frmEditor &editor);
    void load();

    // The page being profiled (its name in the page list) and the position
    // of the word being checked (1-based in the editor text, 0 if not located).
    QString curpage;
    qint32 curpos = 0;

    // Profiles one page file, adding a report line per unknown word. Returns
    // false (after saying so) when the file cannot be read.
    bool chspell(const QString &path);
    // 1 when the word is in the dictionary; 0 after adding its report line.
    int chWord(const QString &word);

    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;

private:
    void start();
    void lineSelected();

    frmEditor &m_editor;
    QString m_dictionary;  // path of the word list, found once per run
    // The word list held open while a run goes on.
    std::unique_ptr<SpellDictionary::Session> m_session;
    QString m_runText;     // the editor text while a run is going on
    QStringList m_pending; // report lines of the run, added when it ends
    bool m_running = false;
};
