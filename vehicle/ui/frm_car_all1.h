// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_window.h"
#include "core/ui/input_binder.h"
#include "vehicle/car_allowance_state.h"
#include "vehicle/car_allowance_undo.h"

#include <QHash>
#include <QList>

class QCheckBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QStackedWidget;

namespace grovan {

class MessageSink;
class NumericField;
class PrintPanel;
class ReportPrinter;
struct WindowContext;

/// The car allowance window ("Travel Allowance"): the deduction against a travel allowance, on
/// the actual costs ("&Yes", an accurate record kept) or on the deemed cost a km ("&No"). Its
/// values are the application's (`state`), so they outlive the window; the period is the
/// window's own and is the whole tax year each time it opens.
///
/// The window calculates when it opens, on "&Calculate", on the Enter key (the focus then goes
/// to "&OK"), on a click of either include box, on "&Print" before the print panel shows, and
/// when it closes; choosing "&Yes" or "&No" lays it out for the method without calculating.
/// Escape puts back the value the focused field had when it got the focus.
class frmCarAll1 : public CalculatorWindow
{
    Q_OBJECT

public:
    frmCarAll1(CarAllowanceState& state, const WindowContext& context, QWidget* parent = nullptr);

    PrintPanel* printPanel() const { return m_printPanel; }

protected:
    void calculate() override;
    void print(PrintDestination destination, PrintLanguage language) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ResultLine
    {
        QLabel* label;
        NumericField* value;
    };

    QList<QWidget*> buildFields();
    void buildResults();
    void chooseMethod(bool accurateRecordKept);
    void applyLayout();
    void showResults();
    void refuseDate(const FieldDescription& field);
    NumericField* resultField(const FieldDescription& field, int occurrence);

    CarAllowanceState& m_state;
    MessageSink& m_messages;
    const ReportPrinter& m_printer;
    InputBinder<CarAllowanceInputs> m_binder;
    CarAllowanceUndo m_undo;
    QHash<QWidget*, const FieldDescription*> m_undoFields;
    QRadioButton* m_yes = nullptr;
    QRadioButton* m_no = nullptr;
    QCheckBox* m_includeFuel = nullptr;
    QCheckBox* m_includeMaintenance = nullptr;
    QList<QLabel*> m_costLabels;
    QList<QWidget*> m_costFields;
    QList<QLabel*> m_periodLabels;
    QList<QWidget*> m_dateFields;
    QStackedWidget* m_days = nullptr;
    QGridLayout* m_resultGrid = nullptr;
    QList<QWidget*> m_resultRowWidgets;
    QHash<QString, NumericField*> m_resultFields;
    QLabel* m_fixedCostWorking = nullptr;
    PrintPanel* m_printPanel;
};

} // namespace grovan
