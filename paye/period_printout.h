// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the monthly, fortnightly/weekly and daily printouts that read alike: the same
// fields with the same English and Afrikaans texts, written in the same order within each part.

#include "core/print_database.h"
#include "paye/period_pay.h"
#include "paye/print_row_writer.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace grovan {

/// A result as its window shows it, read back: `value` formatted with the field's
/// `displayFormat` (for "### ### ##0.00": to cents, halves away from zero, thousands grouped by
/// blanks) and the text read again with `readNumber`. The printouts take the UIF contributions
/// and the skills levy this way, so the page prints what the window showed.
double shownAndReadBack(double value, std::string_view displayFormat);

/// A total of a printout: the amount when above 0, otherwise the integer 0.
FieldValue amountOrIntegerZero(double amount);

/// `TypeAM` (the heading), `Employee` (" For : " or "Vir : " followed by the name), `Age`,
/// `AgeNum`, `Sal`, `SalNum`, `DirFees`, `DirFeesNum`.
void writePeriodHeading(PrintRowWriter& row, const PrintLabels& heading, const PeriodPay& pay);

/// `Bonus`, `BonusNum`.
void writePeriodBonus(PrintRowWriter& row, const PeriodPay& pay);

/// The travel allowance, which `writeTravel(row)` writes, and `Bonus`, `BonusNum`: the English
/// printout writes the travel allowance first, the Afrikaans one the bonus.
template <typename WriteTravel>
void writePeriodTravelAndBonus(PrintRowWriter& row, const PeriodPay& pay, WriteTravel writeTravel)
{
    if (row.language() == PrintLanguage::English) {
        writeTravel(row);
        writePeriodBonus(row, pay);
    } else {
        writePeriodBonus(row, pay);
        writeTravel(row);
    }
}

/// `MedExp`, `MedExpNum` (the results' medical expenses, always 0), `PenCont`, `PenContNum`,
/// `RACont`, `RAContNum`.
void writePeriodFunds(PrintRowWriter& row, const PeriodPay& pay, const PeriodResults& last);

/// `UIFEMPE` ... `SDLNum` (each amount as its field shows it, read back), `EOE`, `Taxliability`,
/// `Taxliabilitynum`.
void writePeriodUifLevyAndTax(PrintRowWriter& row, const PeriodResults& last);

/// `TaxCredit`, `Taxcreditnum`, `TaxCreditCons`, `TaxcreditnumCons`.
void writePeriodCredits(PrintRowWriter& row, const PeriodResults& last);

/// `EmpERMedAidCont` ... `EmpEEMedAidContnum`, `AnnCalcBens3`, `AnnCalcBens3num` (the
/// beneficiaries), and the label `MedAidBens` without a value.
void writePeriodMedicalContributions(PrintRowWriter& row, const PeriodPay& pay);

/// `TOTAL` ("Total tax deduction", "Totaal belasting") and `TotalNum`, the total tax deduction
/// or the integer 0.
void writePeriodTotal(PrintRowWriter& row, const PeriodResults& last);

// The print table's columns of each part above, in the order its writer writes them, for the
// tables to list what their printouts write.

/// The columns `writePeriodHeading` writes.
std::vector<ColumnSchema> periodHeadingColumns();
/// The columns `writePeriodFunds` writes.
std::vector<ColumnSchema> periodFundColumns();
/// The columns `writePeriodUifLevyAndTax` writes.
std::vector<ColumnSchema> periodUifLevyAndTaxColumns();
/// The columns `writePeriodCredits` writes.
std::vector<ColumnSchema> periodCreditColumns();
/// The columns `writePeriodMedicalContributions` writes.
std::vector<ColumnSchema> periodMedicalContributionColumns();
/// The columns `writePeriodTotal` writes.
std::vector<ColumnSchema> periodTotalColumns();

/// `parts` one after the other, as the columns of a print table.
std::vector<ColumnSchema> periodColumns(std::initializer_list<std::vector<ColumnSchema>> parts);

} // namespace grovan
