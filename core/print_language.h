// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

/// The language of a printout, as the print panels choose it ("&English print" is 0,
/// "&Afrikaans print" 1).
enum class PrintLanguage
{
    English = 0,
    Afrikaans = 1,
};

} // namespace grovan
