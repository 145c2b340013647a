// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a small calculator-like form from every kind of field and panel and saves pictures of
// it, to look at the widgets as a user sees them: form_gallery <folder>.

#include "core/settings_store.h"
#include "core/tax_year.h"
#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/setup_panel.h"
#include "core/ui/spin_button.h"
#include "tests/support/recording_sink.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <array>
#include <cstdio>

using namespace grovan;

namespace {

constexpr FieldDescription input(std::string_view name, std::string_view label, FieldKind kind,
                                 FieldSign sign, double maximum, int digits, int decimals,
                                 std::string_view format = {}, std::string_view hint = {})
{
    return {.controlName = name,
            .label = label,
            .key = {},
            .meaning = {},
            .unit = {},
            .kind = kind,
            .sign = sign,
            .minimum = 0.0,
            .maximum = maximum,
            .integerDigits = digits,
            .decimals = decimals,
            .defaultValue = 0.0,
            .displayFormat = format,
            .readOnly = false,
            .hint = hint};
}

constexpr FieldDescription result(std::string_view name, std::string_view label)
{
    FieldDescription description =
        input(name, label, FieldKind::Amount, FieldSign::None, 0.0, 9, 2, "### ### ##0.00");
    description.readOnly = true;
    return description;
}

const std::array kInputs{
    input("silgEdit1", "Age", FieldKind::WholeNumber, FieldSign::None, 999.0, 3, 1),
    input("silgEdit2", "Salary/remuneration", FieldKind::Amount, FieldSign::Rand, 999999999.0, 9, 0,
          "### ### ##0"),
    input("numIntRate", "Interest rate", FieldKind::Percent, FieldSign::None, 50.0, 2, 3, "##0.000",
          "% p.a."),
    input("numPeriod", "Period", FieldKind::WholeNumber, FieldSign::None, 600.0, 3, 0, {},
          "months."),
    input("numEmpEUIF", "Employee UIF portion", FieldKind::Percent, FieldSign::Percent, 100.0, 3, 3,
          "##0.000"),
    FieldDescription{.controlName = "dtStartDate",
                     .label = "Start date",
                     .key = {},
                     .meaning = {},
                     .unit = {},
                     .kind = FieldKind::Date,
                     .sign = FieldSign::None,
                     .minimum = TaxYearStart.dayNumber(),
                     .maximum = TaxYearEnd.dayNumber(),
                     .integerDigits = 0,
                     .decimals = 0,
                     .defaultValue = TaxYearStart.dayNumber(),
                     .displayFormat = {},
                     .readOnly = false},
    FieldDescription{.controlName = "dtEndDate",
                     .label = "End date",
                     .key = {},
                     .meaning = {},
                     .unit = {},
                     .kind = FieldKind::Date,
                     .sign = FieldSign::None,
                     .minimum = 0.0,
                     .maximum = 0.0,
                     .integerDigits = 0,
                     .decimals = 0,
                     .defaultValue = 0.0,
                     .displayFormat = {},
                     .readOnly = false,
                     .mayBeEmpty = true},
    input("txtCCMake", "Car Make", FieldKind::Text, FieldSign::None, 30.0, 0, 0),
};

const std::array kResults{
    result("numMAns", "Tax liability"),
    result("numTaxCredit", "Tax credits for beneficiaries"),
    result("numAns(1)", "PAYE"),
};

const char* const kInfoText =
    "The amount entered in the Salary/remuneration field should contain the fringe benefit "
    "amounts such as the code 3802 fringe benefit amount for the use of a company car but must "
    "not include any travel allowance in this Salary/remuneration amount.  Note that both "
    "employer\u2019s and employee\u2019s R/Fund contributions qualify as a tax deduction off "
    "taxable income.";

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    QApplication::processEvents();
    const QString file = folder.filePath(name);
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: form_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Annual"));
    auto* layout = new QVBoxLayout(&window);
    auto* fields = new QWidget(&window);
    FormBuilder form(fields);
    form.addRows(kInputs);
    auto* spin = new SpinButton(QStringLiteral("spRate"), fields);
    form.addRow(QStringLiteral("Rate step"), spin);
    form.addRows(kResults);
    layout->addWidget(fields);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    QList<QWidget*> mainButtons;
    for (const auto& [name, caption] : {std::pair{"cmdOk", "&OK"},
                                        {"cmdCalculate", "&Calculate"},
                                        {"cmdSettings", "&Settings"},
                                        {"cmdPrint", "&Print"}}) {
        auto* button = new QPushButton(QString::fromLatin1(caption), &window);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        mainButtons.append(button);
    }
    layout->addLayout(buttons);

    form.numeric(QStringLiteral("silgEdit1"))->setValue(40.0);
    form.numeric(QStringLiteral("silgEdit2"))->setValue(500000.0);
    form.numeric(QStringLiteral("numIntRate"))->setValue(10.0);
    form.numeric(QStringLiteral("numPeriod"))->setValue(240.0);
    form.numeric(QStringLiteral("numEmpEUIF"))->setValue(1.0);
    form.numeric(QStringLiteral("numMAns"))->setValue(106725.0);
    form.numeric(QStringLiteral("numAns(1)"))->setValue(106725.0);

    testing::RecordingSink sink;
    QTemporaryDir settingsFolder;
    SetupValues values;
    auto* setup = new SetupPanel(
        values, SettingsDatabase(settingsFolder.filePath("Settings.mdb").toStdString(), sink),
        &window);
    setup->disableWhileOpen(mainButtons);
    auto* print = new PrintPanel(&window);
    auto* info = new InfoPanel(QString::fromUtf8(kInfoText), &window);

    window.resize(560, 560);
    window.show();

    bool saved = save(window, folder, QStringLiteral("form.png"));
    setup->showAt(1935);
    saved = save(window, folder, QStringLiteral("form-setup.png")) && saved;
    setup->closePanel();
    print->showAt(1650);
    saved = save(window, folder, QStringLiteral("form-print.png")) && saved;
    print->closePanel();
    info->showAt(600);
    saved = save(window, folder, QStringLiteral("form-info.png")) && saved;
    info->closePanel();

    QWidget financeWindow;
    financeWindow.resize(480, 260);
    auto* finance = new PrintPanel(&financeWindow, PrintPanelOptions::finance());
    financeWindow.show();
    finance->showAt(1200);
    saved = save(financeWindow, folder, QStringLiteral("finance-print.png")) && saved;

    QWidget packageWindow;
    packageWindow.resize(520, 420);
    SetupValues packageValues;
    auto* packageSetup = new SetupPanel(
        packageValues, SettingsDatabase(settingsFolder.filePath("Package.mdb").toStdString(), sink),
        &packageWindow, SetupFields::Package);
    packageWindow.show();
    packageSetup->showAt(750);
    saved = save(packageWindow, folder, QStringLiteral("package-setup.png")) && saved;

    return saved ? 0 : 1;
}
