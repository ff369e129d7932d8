// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ProblemsWindow.h"

#include "check/PageCheck.h"

#include <QAction>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// One check at a time: a replaced check finishes before the next starts,
// so tidy never runs twice at once.
QThreadPool &checkThread()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}

enum Role { PageRole = Qt::UserRole, LineRole, ColumnRole };

QIcon iconFor(const QStyle *style, Severity s)
{
    switch (s) {
    case Severity::Error: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case Severity::Warning: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case Severity::Info: break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}
} // namespace

ProblemsWindow::ProblemsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmProblems"));
    setWindowTitle(tr("Problems"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("ProblemsTitle"));
    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("ProblemsList"));
    m_rows->setAccessibleName(tr("Problems"));
    m_rows->setHeaderHidden(true);
    m_rows->setRootIsDecorated(false);
    m_rows->setItemsExpandable(false);
    m_rows->setUniformRowHeights(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_rows);
    resize(560, 320);
    connect(m_rows, &QTreeWidget::itemActivated, this, &ProblemsWindow::activated);
    auto *again = new QAction(this);
    again->setShortcut(QKeySequence(Qt::Key_F7));
    again->setShortcutContext(Qt::WindowShortcut);
    addAction(again);
    connect(again, &QAction::triggered, this, &ProblemsWindow::checkAgain);
}

void ProblemsWindow::run(const QString &subject, std::function<ProblemsReport()> check)
{
    const quint64 generation = ++m_generation;
    ++m_running;
    m_title->setText(tr("Checking %1...").arg(subject));
    auto *watcher = new QFutureWatcher<ProblemsReport>(this);
    connect(watcher, &QFutureWatcher<ProblemsReport>::finished, this, [this, watcher, generation] {
        --m_running;
        if (generation == m_generation)
            showReport(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(&checkThread(), std::move(check)));
}

void ProblemsWindow::showReport(const ProblemsReport &report)
{
    m_rows->clear();
    int counts[3] = {0, 0, 0};
    for (const ProblemSection &section : report.sections) {
        auto *head = new QTreeWidgetItem(m_rows, {section.name});
        head->setFlags(Qt::ItemIsEnabled);
        QFont bold = head->font(0);
        bold.setBold(true);
        head->setFont(0, bold);
        for (const ProblemEntry &e : section.rows) {
            const QString text = (section.namesPages ? e.page + QStringLiteral(": ") : QString()) + problemRow(e.problem);
            auto *row = new QTreeWidgetItem(head, {text});
            row->setIcon(0, iconFor(style(), e.problem.severity));
            row->setData(0, PageRole, e.page);
            row->setData(0, LineRole, e.problem.line);
            row->setData(0, ColumnRole, e.problem.column);
            ++counts[int(e.problem.severity)];
        }
        if (section.rows.isEmpty())
            (new QTreeWidgetItem(head, {tr("No problems found.")}))->setFlags(Qt::ItemIsEnabled);
    }
    m_rows->expandAll();
    m_title->setText(tr("%1: %2").arg(report.subject, countsLine(counts[int(Severity::Error)],
                                                                 counts[int(Severity::Warning)],
                                                                 counts[int(Severity::Info)])));
    // The first problem is ready for Return.
    for (QTreeWidgetItemIterator it(m_rows, QTreeWidgetItemIterator::Selectable); *it; ++it) {
        m_rows->setCurrentItem(*it);
        break;
    }
    emit shown();
}

void ProblemsWindow::activated(QTreeWidgetItem *item)
{
    if (item && item->data(0, LineRole).isValid())
        emit goTo(item->data(0, PageRole).toString(), item->data(0, LineRole).toInt(), item->data(0, ColumnRole).toInt());
}
