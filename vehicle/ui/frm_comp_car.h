// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_window.h"
#include "core/ui/input_binder.h"
#include "core/ui/result_binder.h"
#include "vehicle/company_car_register.h"

#include <QHash>
#include <QList>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace grovan {

class PrintPanel;
class ReportPrinter;
struct WindowContext;

/// The company car window ("Full use of Company Car"): the vehicles of the application's
/// register (`reg`), which outlives the window, one at a time. Its fields show the current
/// vehicle and write into it; "&Add", "&Delete", "&Back" and "&Forward" (`cmdAdd`, `cmdDelete`,
/// `cmdBack`, `cmdForward`) go through the register, which says what the window enables and
/// what its caption is ("Full use of Company Car :  Vehicle number 2 of 3"). "&Calculate" and
/// "&Print" calculate the whole register; the printout lists every vehicle. The window does not
/// close while its dates are marked invalid.
class frmCompCar : public CalculatorWindow
{
    Q_OBJECT

public:
    frmCompCar(CompanyCarRegister& reg, const WindowContext& context, QWidget* parent = nullptr);

    PrintPanel* printPanel() const { return m_printPanel; }

protected:
    void calculate() override;
    void print(PrintDestination destination, PrintLanguage language) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> buildFields();
    QPushButton* registerButton(const QString& caption, const QString& name);
    void bindVehicleFields();
    void showVehicle();
    void applyControls();
    void answer(const WindowReply& reply);
    void refuseDate(const FieldDescription& field);

    CompanyCarRegister& m_reg;
    MessageSink& m_messages;
    const ReportPrinter& m_printer;
    /// What the vehicle fields show: the current vehicle as it was when last shown, with every
    /// edit since (each edit also goes into the register's current vehicle).
    CompanyCarRecord m_shown;
    InputBinder<CompanyCarRecord> m_vehicle;
    InputBinder<CompanyCarShared> m_shared;
    ResultBinder<CompanyCarResults> m_results;
    ResultBinder<CompanyCarTotals> m_totals;
    QHash<QString, QCheckBox*> m_checks;
    QList<QWidget*> m_vehicleWidgets;
    QWidget* m_regNumber = nullptr;
    QLabel* m_regNumberLabel = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    PrintPanel* m_printPanel;
};

} // namespace grovan
