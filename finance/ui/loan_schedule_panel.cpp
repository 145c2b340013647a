// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/loan_schedule_panel.h"

#include "core/ui/qt_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

namespace {

// The grid shows this many rows before it scrolls.
constexpr int kVisibleRows = 10;
// Room around a figure in its cell, in pixels.
constexpr int kCellPadding = 12;

} // namespace

LoanScheduleModel::LoanScheduleModel(QObject* parent) : QAbstractTableModel(parent) {}

void LoanScheduleModel::setGrid(ScheduleGrid grid)
{
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

void LoanScheduleModel::clear()
{
    setGrid(ScheduleGrid{});
}

int LoanScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_grid.rows.size());
}

int LoanScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_grid.header[0].empty() ? 0 : 4;
}

QVariant LoanScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole) {
        return qText(m_grid.rows[static_cast<std::size_t>(index.row())][column]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (m_grid.centred[column] ? Qt::AlignHCenter : Qt::AlignRight));
    }
    return {};
}

QVariant LoanScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        // The header texts keep their blanks: they set the columns' widths.
        return qText(m_grid.header[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

LoanSchedulePanel::LoanSchedulePanel(QWidget* window)
    : OverlayPanel(QString(), window), m_model(new LoanScheduleModel(this)),
      m_view(new QTableView(this)), m_ok(new QPushButton(tr("&OK"), this))
{
    setObjectName(QStringLiteral("fraGrid"));
    m_view->setObjectName(QStringLiteral("grdPayments"));
    m_ok->setObjectName(QStringLiteral("cmdGridClose"));
    m_ok->setAutoDefault(false);
    m_view->setModel(m_model);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &LoanSchedulePanel::clearAndClose);
}

void LoanSchedulePanel::showGrid(ScheduleGrid grid)
{
    m_model->setGrid(std::move(grid));
    sizeGrid();
    m_view->scrollToTop();
}

void LoanSchedulePanel::clearAndClose()
{
    m_model->clear();
    closePanel();
}

void LoanSchedulePanel::sizeGrid()
{
    const ScheduleGrid& grid = m_model->grid();
    const QFontMetrics header(m_view->horizontalHeader()->font());
    const QFontMetrics cells(m_view->font());
    int width = 0;
    for (int c = 0; c < 4; ++c) {
        const auto column = static_cast<std::size_t>(c);
        int widest = 0;
        for (const auto& row : grid.rows) {
            widest = std::max(widest, cells.horizontalAdvance(qText(row[column])));
        }
        const int fromHeader = qRound(header.horizontalAdvance(qText(grid.header[column])) *
                                      grid.widthFactors[column]);
        const int columnWidth = std::max(fromHeader, widest + kCellPadding);
        m_view->setColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    const int rows = std::min(static_cast<int>(grid.rows.size()), kVisibleRows);
    const int frame = 2 * m_view->frameWidth();
    const int height = m_view->horizontalHeader()->sizeHint().height() +
                       rows * m_view->verticalHeader()->defaultSectionSize() + frame;
    m_view->setVerticalScrollBarPolicy(grid.scrollBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    if (grid.scrollBar) {
        width += m_view->verticalScrollBar()->sizeHint().width();
    }
    m_view->setFixedSize(width + frame, height);
}

QSize LoanSchedulePanel::sizeWithin(int) const
{
    return sizeHint();
}

QWidget* LoanSchedulePanel::initialFocus() const
{
    return m_view;
}

} // namespace grovan
