// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace {
// Hides the files the user may not run, unless every file is wanted.
class ProgramsOnly : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void showAll(bool all)
    {
        m_all = all;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (m_all || !files)
            return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || files->fileInfo(index).isExecutable();
    }

private:
    bool m_all = false;
};
} // namespace

void offerPrograms(QFileDialog &dialog)
{
    // A native dialog would ignore the filter below and show every file.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *filter = new ProgramsOnly(&dialog);
    dialog.setProxyModel(filter);
    const QString programs = QCoreApplication::translate("ProgramDialog", "Programs (*)"),
                  all = QCoreApplication::translate("ProgramDialog", "All files (*)");
    dialog.setNameFilters({programs, all});
    dialog.selectNameFilter(programs);
    QObject::connect(&dialog, &QFileDialog::filterSelected, filter,
                     [filter, all](const QString &chosen) { filter->showAll(chosen == all); });
}
