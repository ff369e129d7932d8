// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Problem.h"

#include <QWidget>

#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// What the Problems window lists: sections ("Markup", "Links") of rows,
// each row a problem of a page of the project (page empty: of the text on
// screen, the project having no pages).
struct ProblemEntry {
    QString page;
    Problem problem;
};
struct ProblemSection {
    QString name;
    QList<ProblemEntry> rows;
    bool namesPages = false; // rows start with their page's name
};
struct ProblemsReport {
    QString subject; // what was checked: a page name, or a project
    QList<ProblemSection> sections;
};

// The modeless "Problems" window: a title line with the counts, then the
// rows in page order with an icon for their severity. Return or a double
// click on a row asks to go there; F7 asks for the check again.
class ProblemsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProblemsWindow(QWidget *parent);

    // Runs the check on a worker thread and shows its report when done; a
    // new check replaces one still running (its report is dropped).
    void run(const QString &subject, std::function<ProblemsReport()> check);
    void showReport(const ProblemsReport &report);

    QLabel *titleLine() const { return m_title; }
    QTreeWidget *rows() const { return m_rows; }
    // Whether a check is under way.
    bool isChecking() const { return m_running > 0; }

signals:
    void goTo(const QString &page, int line, int column);
    void checkAgain();
    // A report was shown.
    void shown();

private:
    void activated(QTreeWidgetItem *item);

    QLabel *m_title = nullptr;
    QTreeWidget *m_rows = nullptr;
    quint64 m_generation = 0;
    int m_running = 0;
};
