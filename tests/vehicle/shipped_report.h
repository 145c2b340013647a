// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rendering a template the program ships, from the source tree beside these tests.

#include "core/print_database.h"
#include "core/report_renderer.h"

#include "core/calculator_catalogue.h"
#include "shell/calculators.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace grovan::testing {

inline std::filesystem::path shippedTemplate(const std::string& name)
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
           "reports" / name;
}

/// The shipped template `name` laid out with `data`; the HTML is empty (and the test fails) when
/// the template does not load against the print database.
inline RenderedReport renderShipped(const std::string& name, const ReportData& data)
{
    const auto loaded =
        ReportTemplate::load(shippedTemplate(name), programCalculators().printSchema());
    if (const auto* error = std::get_if<TemplateError>(&loaded)) {
        ADD_FAILURE() << error->text();
        return {};
    }
    return renderReport(std::get<ReportTemplate>(loaded), data);
}

/// How many times `text` stands in `html`.
inline std::size_t occurrences(const std::string& html, const std::string& text)
{
    std::size_t count = 0;
    for (auto at = html.find(text); at != std::string::npos; at = html.find(text, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace grovan::testing
