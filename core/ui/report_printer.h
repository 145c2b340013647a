// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/print_destination.h"
#include "core/schema_database.h"

#include <QString>

#include <filesystem>
#include <string_view>

namespace grovan {

class PrintDatabase;
class ReportViewer;

/// The road every printout takes: the window's labels and values are written into its tables in
/// the print database, then the report viewer renders the template
/// against it, in the preview window under the window's title or straight to the printer (which
/// leaves the viewer's title as the last preview set it).
class ReportPrinter
{
public:
    /// `assetFolder` holds the report templates.
    ReportPrinter(const PrintDatabase& database, ReportViewer& viewer,
                  std::filesystem::path assetFolder);

    /// Writes `printout` into the print database in one transaction and runs its template (a file
    /// name in the asset folder). Nothing is rendered when the printout could not be written;
    /// either way the user has been told what went wrong. True when the pages were shown or
    /// printed.
    bool print(const Printout& printout, PrintDestination destination) const;

private:
    const PrintDatabase& m_database;
    ReportViewer& m_viewer;
    std::filesystem::path m_assetFolder;
};

} // namespace grovan
