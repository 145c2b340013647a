// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/overlay_panel.h"
#include "finance/loan_schedule.h"

#include <QAbstractTableModel>

class QPushButton;
class QTableView;

namespace grovan {

/// A schedule's texts as the engine formats them (`ScheduleGrid`), for a table view: one row
/// per month or year under the four header texts, the amount columns and the header centred.
class LoanScheduleModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LoanScheduleModel(QObject* parent = nullptr);

    /// Shows `grid` in place of the schedule shown before.
    void setGrid(ScheduleGrid grid);
    /// Empties the grid.
    void clear();
    const ScheduleGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ScheduleGrid m_grid;
};

/// The loan window's schedule panel (`fraGrid`): the grid `grdPayments` and its "&OK"
/// (`cmdGridClose`). Each column is as wide as its header text times the schedule's factor (or
/// its widest figure, should that be wider). With more rows than fit, the grid keeps the height of
/// ten rows and scrolls; with fewer it and the panel shrink to the rows. The panel is as wide as
/// the grid, its OK button centred under it. Rows have one fixed height, so a schedule of 600
/// months scrolls as smoothly as one of ten.
class LoanSchedulePanel : public OverlayPanel
{
    Q_OBJECT

public:
    explicit LoanSchedulePanel(QWidget* window);

    /// Fills the grid with `grid` and sizes it and the panel; the window then shows the panel.
    void showGrid(ScheduleGrid grid);
    /// "&OK": the grid is cleared and the panel hidden.
    void clearAndClose();

    QTableView* view() const { return m_view; }
    LoanScheduleModel* model() const { return m_model; }
    QPushButton* okButton() const { return m_ok; }

protected:
    QSize sizeWithin(int availableWidth) const override;
    QWidget* initialFocus() const override;

private:
    void sizeGrid();

    LoanScheduleModel* m_model;
    QTableView* m_view;
    QPushButton* m_ok;
};

} // namespace grovan
