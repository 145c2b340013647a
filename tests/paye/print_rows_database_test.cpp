// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "package/quick_tax_printout.h"
#include "paye/annual_printout.h"
#include "paye/daily_printout.h"
#include "paye/monthly_printout.h"
#include "paye/work_period_printout.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

struct PrintCase
{
    const char* name;
    std::string table;
    std::function<Row()> row;
};

// Each printout with values of every kind it writes: amounts, the integer 0 of a total that is
// not positive, counts, dates and labels in both languages.
Row annualRow(PrintLanguage language, double salary)
{
    AnnualInputs in;
    in.age = 70;
    in.salary = salary;
    in.employeeMedical = 1000;
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = 2;
    }
    in.employeeName = "Thandi Mokoena";
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, SetupValues{}, record);
    applyCalculatedCounts(in, r);
    return annualPrintRow(in, r, language);
}

Row monthlyRow(PrintLanguage language, double salary)
{
    MonthlyInputs in;
    in.age = 40;
    in.salary = salary;
    in.travelAllowance = 3000;
    in.employeeMedical = 1000;
    in.beneficiaries = 5;
    in.endDate = *CalendarDate::fromYmd(2021, 3, 20);
    in.employeeName = "Thandi Mokoena";
    TaxableIncomeRecord record;
    return monthlyPrintRow(in, calculateMonthly(in, SetupValues{}, record), language);
}

Row workPeriodRow(WorkPeriodKind kind, PrintLanguage language, double salary)
{
    const WorkPeriod& period = workPeriod(kind);
    WorkPeriodInputs in = workPeriodDefaults(period);
    in.age = 40;
    in.salary = salary;
    in.employeeMedical = 100;
    in.beneficiaries = 2;
    in.thisDays = 3;
    in.employeeName = "Pieter van Wyk";
    TaxableIncomeRecord record;
    return workPeriodPrintRow(period, in, calculateWorkPeriod(period, in, SetupValues{}, record),
                              language);
}

Row dailyRow(PrintLanguage language, double salary)
{
    DailyInputs in;
    in.age = 40;
    in.salary = salary;
    in.employeeMedical = 10;
    in.beneficiaries = 5;
    in.employeeName = "Lerato Dlamini";
    TaxableIncomeRecord record;
    return dailyPrintRow(in, calculateDaily(in, SetupValues{}, record), language);
}

Row quickTaxRow(double income)
{
    TaxSummary s;
    s.Income = income;
    s.Age = 66;
    TaxableIncomeRecord record;
    NEWCALC(s, record);
    return quickTaxPrintRow(s);
}

constexpr PrintLanguage kEn = PrintLanguage::English;
constexpr PrintLanguage kAf = PrintLanguage::Afrikaans;
constexpr WorkPeriodKind kFortnight = WorkPeriodKind::Fortnightly;
constexpr WorkPeriodKind kWeek = WorkPeriodKind::Weekly;

// The salaries put the total tax deduction above the credits, or below them (an integer 0).
const PrintCase kPrintCases[] = {
    {"annual_english_taxed", kAnnualPrintTable,
     [] {
         return annualRow(kEn, 500000);
     }},
    {"annual_afrikaans_credits_above_the_tax", kAnnualPrintTable,
     [] {
         return annualRow(kAf, 100000);
     }},
    {"monthly_english_taxed", kMonthlyPrintTable,
     [] {
         return monthlyRow(kEn, 30000);
     }},
    {"monthly_afrikaans_credits_above_the_tax", kMonthlyPrintTable,
     [] {
         return monthlyRow(kAf, 5000);
     }},
    {"fortnightly_english_taxed", kWorkPeriodPrintTable,
     [] {
         return workPeriodRow(kFortnight, kEn, 20000);
     }},
    {"fortnightly_afrikaans_credits_above_the_tax", kWorkPeriodPrintTable,
     [] {
         return workPeriodRow(kFortnight, kAf, 100);
     }},
    {"weekly_english_credits_above_the_tax", kWorkPeriodPrintTable,
     [] {
         return workPeriodRow(kWeek, kEn, 100);
     }},
    {"weekly_afrikaans_taxed", kWorkPeriodPrintTable,
     [] {
         return workPeriodRow(kWeek, kAf, 10000);
     }},
    {"daily_english_taxed", kDailyPrintTable,
     [] {
         return dailyRow(kEn, 1000);
     }},
    {"daily_afrikaans_credits_above_the_tax", kDailyPrintTable,
     [] {
         return dailyRow(kAf, 400);
     }},
    {"quick_tax_taxed", kQuickTaxPrintTable,
     [] {
         return quickTaxRow(500000);
     }},
    {"quick_tax_no_income", kQuickTaxPrintTable,
     [] {
         return quickTaxRow(0);
     }},
};

class PrintRowInTheDatabase : public ::testing::TestWithParam<PrintCase>
{};

// The print tables are STRICT: a field name the table lacks or a value of the wrong type is
// refused. Every printout row is written and read back as written (a field written twice keeps
// its last value), and fields it does not write keep the values of a new row.
TEST_P(PrintRowInTheDatabase, IsWrittenAndReadBack)
{
    TempFolder folder;
    RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    ASSERT_TRUE(database.prepare());
    sink.messages.clear();

    const Row written = GetParam().row();
    ASSERT_TRUE(database.writeRow(GetParam().table, written));
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front().text;

    std::map<std::string, FieldValue> last;
    for (const Field& field : written) {
        last[field.name] = field.value;
    }
    const auto read = database.readRow(GetParam().table);
    ASSERT_TRUE(read.has_value());
    std::size_t found = 0;
    for (const Field& field : *read) {
        const auto it = last.find(field.name);
        if (it != last.end()) {
            ++found;
            EXPECT_EQ(field.value, it->second) << field.name;
        }
    }
    EXPECT_EQ(found, last.size()) << "every field written is a field of the table";
}

INSTANTIATE_TEST_SUITE_P(Printouts, PrintRowInTheDatabase, ::testing::ValuesIn(kPrintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintRowTables, TotalWrittenTwiceKeepsTheLastValue)
{
    // A week of 100 a day's pay is below the rebate: the first TotalNum is the tax, 0.0, the
    // last the integer 0 of the total tax deduction. Taxed at 10 000 the two differ by the
    // credit of 166.
    TempFolder folder;
    RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    const Row row = workPeriodRow(kWeek, kEn, 10000);
    const FieldValue* first = findField(row, "TotalNum");
    ASSERT_TRUE(database.writeRow(kWorkPeriodPrintTable, row));
    const auto read = database.readRow(kWorkPeriodPrintTable);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*findField(*read, "TOTAL"), FieldValue{std::string("Total tax deduction")});
    EXPECT_EQ(*findField(*read, "TotalNum"), row.back().value);
    EXPECT_NE(*findField(*read, "TotalNum"), *first);
}

} // namespace
} // namespace grovan
