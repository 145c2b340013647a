// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/frm_loan_comp.h"

#include "core/ui/form_builder.h"
#include "core/ui/qt_text.h"
#include "core/ui/twips.h"
#include "core/ui/window_context.h"
#include "finance/finance_calculators.h"
#include "finance/loan_comparison_fields.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

/// The grid's contents: the engine's formatted comparison, its header as the header row.
class ComparisonGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGrid(ComparisonGrid grid)
    {
        m_grid = std::move(grid);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    const ComparisonGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_grid.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_grid.header.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto row = static_cast<std::size_t>(index.row());
        const auto column = static_cast<std::size_t>(index.column());
        if (role == Qt::DisplayRole) {
            return qText(m_grid.rows[row][column]);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (m_grid.centred[column] ? Qt::AlignHCenter : Qt::AlignLeft));
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return qText(m_grid.header[static_cast<std::size_t>(section)]);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignCenter);
        }
        return {};
    }

private:
    ComparisonGrid m_grid;
};

namespace {

constexpr int kPrintPanelTop = 1300;

} // namespace

frmLoanComp::frmLoanComp(LoanComparisonState& state, const WindowContext& context, QWidget* parent)
    : FinanceWindow(qText(kLoanComparisonCaption), context, kPrintPanelTop, parent), m_state(state),
      m_form(loanComparisonCalculator(), state, context.messages)
{
    setObjectName(qText(loanComparisonCalculator().windowName));
    buildFields();
    m_form.bind(this);
    setTabOrderOf({m_form.binder().field(loanComparisonAmountField()),
                   m_form.binder().field(loanComparisonRateField())});
    calculate();
}

frmLoanComp::~frmLoanComp() = default;

void frmLoanComp::buildFields()
{
    auto* fields = new QWidget(this);
    FormBuilder form(fields);
    form.grid()->setContentsMargins(0, 0, 0, 0);
    for (const InputBinding<LoanComparisonState>& binding : loanComparisonCalculator().inputs) {
        form.addRow(*binding.field);
    }
    bodyLayout()->addWidget(fields);

    m_model = new ComparisonGridModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(qText(loanComparisonCalculator().resultTables[0].table->controlName));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    bodyLayout()->addSpacing(8);
    bodyLayout()->addWidget(m_grid, 0, Qt::AlignLeft);
}

void frmLoanComp::sizeGrid()
{
    const ComparisonGrid& grid = m_model->grid();
    QHeaderView* header = m_grid->horizontalHeader();
    const QFontMetrics metrics(header->font());
    // Column 0 is 1.2 times its header text; the amount columns have fixed widths, widened where
    // the font would otherwise cut their headers.
    const int padding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    header->resizeSection(0,
                          qRound(1.2 * metrics.horizontalAdvance(qText(grid.header[0]))) + padding);
    for (std::size_t c = 0; c < grid.columnTwips.size(); ++c) {
        const int headerWidth = metrics.horizontalAdvance(qText(grid.header[c + 1])) + 2 * padding;
        header->resizeSection(static_cast<int>(c + 1),
                              std::max(twipsToPixels(grid.columnTwips[c], this), headerWidth));
    }
    int width = twipsToPixels(grid.extraWidthTwips, this) + 2 * m_grid->frameWidth();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        width += header->sectionSize(c);
    }
    int height = header->sizeHint().height() + 2 * m_grid->frameWidth();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        height += m_grid->rowHeight(r);
    }
    m_grid->setFixedSize(width, height);
}

void frmLoanComp::calculate()
{
    m_form.calculate(SetupValues{}, noTaxableIncome(), calculateButton());
    m_model->setGrid(loanComparisonGrid(m_form.results()));
    sizeGrid();
}

void frmLoanComp::activated()
{
    m_form.binder().showValues();
    // The fields hold only what they take, so the values pass; an activation never asks.
    if (!loanComparisonCalculator().check(m_state)) {
        calculate();
    }
}

std::optional<Printout> frmLoanComp::printoutNow() const
{
    return printoutOf(m_form);
}

} // namespace grovan
