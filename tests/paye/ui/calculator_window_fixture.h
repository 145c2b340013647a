// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculator window tests share: the shell's objects in a temporary folder with the
// report templates installed, the user's hands on the fields (tests/support/field_typing.h), and
// what a test reads back from a printout.

#include "core/print_database.h"
#include "core/ui/report_viewer.h"
#include "tests/shell/ui/shell_fixture.h"
#include "tests/support/field_typing.h"

#include <QProcess>
#include <QtTest>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace grovan::testing {

/// The shell's objects as an installed program has them: the shipped report templates named in
/// the asset folder, the print database made and no messages yet.
struct InstalledShell : ShellFixture
{
    explicit InstalledShell(std::initializer_list<const char*> templates)
    {
        for (const char* name : templates) {
            std::filesystem::copy_file(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" /
                                           "reports" / name,
                                       paths.asset(name));
        }
        printDatabase.prepare();
        sink.messages.clear();
    }
};

/// An installed shell whose file and printer dialogs are never shown.
struct CalculatorWindowFixture : InstalledShell
{
    explicit CalculatorWindowFixture(std::initializer_list<const char*> templates = {})
        : InstalledShell(templates)
    {
        reports.setDialogs({[](QWidget*, const QString&) { return QString(); },
                            [](QPrinter&, QWidget*) {
                                return false;
                            }});
    }

    /// A new window of the calculator, made from `arguments` and the shell's context, shown and
    /// active; nullptr when it never became active.
    template <typename Window, typename... Arguments>
    std::unique_ptr<Window> open(Arguments&&... arguments)
    {
        auto window =
            std::make_unique<Window>(std::forward<Arguments>(arguments)..., windowContext);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            return nullptr;
        }
        return window;
    }
};

/// Control names, each with the keys typed into it or the text it shows.
using Entries = std::vector<std::pair<const char*, const char*>>;

/// The results every monthly, fortnightly, weekly and daily window shows, in its order, with
/// their labels.
inline const Entries kPeriodResults{
    {"numAllowableRFundDed", "Allowable R/Fund deduction"},
    {"numMAns1", "UIF contribution Employee"},
    {"numMAns2", "UIF contribution Employer"},
    {"numMAns3", "S.D.L."},
    {"numMAns", "Tax liability"},
    {"numTaxCredit", "Tax credits for beneficiaries"},
    {"numMTCForContri", "Tax credits for contributions"},
    {"numTaxLiability", "Total tax deduction"},
};

/// Types each entry into its field and leaves it, in order.
inline void typeEntries(const QWidget& window, const Entries& typed)
{
    for (const auto& [name, keys] : typed) {
        enter(window, name, QString::fromLatin1(keys));
    }
}

/// The data of a test run once per case of a table: column "index", one row per case, named
/// as the case.
template <typename Case> void addCaseRows(const std::vector<Case>& cases)
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < cases.size(); ++i) {
        QTest::newRow(cases[i].name) << static_cast<int>(i);
    }
}

inline const FieldValue& valueOf(const Row& row, std::string_view name)
{
    static const FieldValue none;
    const FieldValue* value = findField(row, name);
    return value != nullptr ? *value : none;
}

/// The text of a PDF file, as a reader would copy it.
inline QString pdfText(const std::filesystem::path& file)
{
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("(pdftotext failed)");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace grovan::testing
