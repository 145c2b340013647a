// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finance/daily_balance_calculator.h"
#include "finance/ui/finance_window.h"

namespace grovan {

class DateField;
class SpinButton;

/// The daily balance window ("Daily Balance"): the simple interest on a capital amount between
/// two dates, actual days over a 365-day year. The capital, the dates and the rate are the
/// application's (`state`); a date field left empty holds no date. "&Calculate" and every
/// activation compute through the daily balance definition when both dates are set (otherwise
/// nothing happens). Entering the end date field limits it to the start date and the 10 960 days
/// after it, entering the start date field to the 10 960 days before the end date. The spin
/// buttons `spRate` and `spDate` step the rate and the end date and compute at once.
class frmDayBal : public FinanceWindow
{
    Q_OBJECT

public:
    frmDayBal(DayBalState& state, const WindowContext& context, QWidget* parent = nullptr);

    const DayBalResults& results() const { return m_form.results(); }
    SpinButton* rateSpin() const { return m_rateSpin; }
    SpinButton* dateSpin() const { return m_dateSpin; }

protected:
    void calculate() override;
    void activated() override;
    std::optional<Printout> printoutNow() const override;

private:
    void buildFields();
    void spun(const SpinStep& step);

    DayBalState& m_state;
    CalculatorForm<DayBalState, DayBalResults> m_form;
    SpinButton* m_rateSpin = nullptr;
    SpinButton* m_dateSpin = nullptr;
};

} // namespace grovan
