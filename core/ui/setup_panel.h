// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"
#include "core/settings_store.h"
#include "core/ui/overlay_panel.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace grovan {

class FormBuilder;
class NumericField;

/// Where a window's set-up values came from when it opened.
enum class SetupSource
{
    Stored,   ///< the settings database
    Standard, ///< the standard values, because the settings database could not be read
};

/// The set-up panel (caption "Setup") of the employees'-tax calculators, and with
/// `SetupFields::Package` of the salary-package calculators.
///
/// Periodic fields, top to bottom: "Employee UIF portion" (`numEmpEUIF`), "Employer UIF portion"
/// (`numEmpRUIF`), each 0 to 100 with three decimals and "%"; "UIF monthly limit" (`numUIFLimit`),
/// whole rands 0 to 999 999 with "R"; "Skills levy" (`numSkillPercent`), as the UIF portions;
/// "Travel allowance inclusion rate :" with "80%" (`optTAIncRate80`) and "20%"
/// (`optTAIncRate20`); "O&K" (`cmdSetupOK`). The package panel puts "Employee R/Fund
/// contributions" (`numPenContPerc`) and "Employer R/Fund contributions" (`numPenPercentage`)
/// first, the skills levy before the UIF limit, and adds "Company car fringe benefit rate "
/// (`optCompCarFBRate80` / `optCompCarFBRate20`) and "Company car has maintenance plan "
/// (`optCompCarMPYes` / `optCompCarMPNo`).
///
/// A rate typed outside 0 to 100 is told (`setupRangeMessage`, through the store's message sink)
/// and the field, back at its earlier value, takes the focus again.
///
/// The panel works on the window's `SetupValues`: it shows them (an inclusion rate selects "80%"
/// only for exactly 0.8 and "20%" only for exactly 0.2, `inclusionOptionFor`; any other rate
/// selects neither and stays in use) and writes every change into them at once. "O&K" emits
/// `aboutToSave` (a window applies its own rules there), reads `UIFLimit` afresh from the limit
/// field's text, saves through `SettingsDatabase::save` (the five shared fields, or all eleven for
/// the package panel; only those the user changed when the stored values could not be loaded),
/// hides the panel, gives the disabled buttons back and emits `confirmed`,
/// upon which the window recalculates. A failed save has been told to the store's message sink;
/// the values stay in use in the window. There is no cancel.
class SetupPanel : public OverlayPanel
{
    Q_OBJECT

public:
    /// With `SetupSource::Standard` "O&K" saves only the values the user changed, so that the
    /// standard values shown in place of unreadable ones never replace what is stored.
    SetupPanel(SetupValues& values, SettingsDatabase store, QWidget* window,
               SetupFields fields = SetupFields::Periodic,
               SetupSource source = SetupSource::Stored);

    /// Shows the window's set-up values again (after the window loaded them anew).
    void showValues();

    /// A set-up field by control name, such as "numUIFLimit".
    NumericField* field(const QString& controlName) const;
    /// An option button by control name, such as "optTAIncRate80".
    QRadioButton* option(const QString& controlName) const;
    QPushButton* okButton() const { return m_ok; }

signals:
    void aboutToSave();
    /// The panel was confirmed and closed; `saved` is false when the store could not write.
    void confirmed(bool saved);

private:
    struct Choice
    {
        QButtonGroup* group;
        QRadioButton* first;
        QRadioButton* second;
    };

    void addField(FormBuilder& form, const FieldDescription& description,
                  double SetupValues::*value);
    Choice addChoice(FormBuilder& form, const QString& label, const QString& firstName,
                     const QString& firstCaption, const QString& secondName,
                     const QString& secondCaption);
    void showInclusion(const Choice& choice, double rate);
    void confirm();

    SetupValues& m_values;
    SettingsDatabase m_store;
    SetupFields m_fields;
    SetupSource m_source;
    SetupValues m_opened; ///< the values the window opened with
    QList<QPair<NumericField*, double SetupValues::*>> m_numbers;
    NumericField* m_uifLimit = nullptr;
    Choice m_travel{};
    Choice m_companyCar{};
    Choice m_maintenancePlan{};
    QPushButton* m_ok = nullptr;
};

} // namespace grovan
