// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printout_file_name.h"

#include <gtest/gtest.h>

namespace grovan::cli {
namespace {

struct NameCase
{
    const char* name;
    std::size_t row;
    std::string employee;
    std::string file;
};

// Names as payroll files hold them, and names made to escape the folder or to confuse a reader
// of the file list.
const NameCase kNameCases[] = {
    {"plain", 7, "Jan van Wyk", "0007-Jan-van-Wyk.pdf"},
    {"surname_first", 12, "van Wyk, Jan", "0012-van-Wyk-Jan.pdf"},
    {"accented_letters_kept", 3, "Zoë Coetzée", "0003-Zoë-Coetzée.pdf"},
    {"no_name", 3, "", "0003.pdf"},
    {"row_beyond_four_digits", 123456, "Sipho", "123456-Sipho.pdf"},
    {"parent_folders", 1, "../../etc/x", "0001-etc-x.pdf"},
    {"absolute_path", 2, "/etc/passwd", "0002-etc-passwd.pdf"},
    {"backslashes", 4, "..\\..\\Windows\\x", "0004-Windows-x.pdf"},
    {"line_breaks_and_tabs", 5, "Jan\nvan\r\nWyk\t", "0005-Jan-van-Wyk.pdf"},
    {"control_characters", 6, std::string("A\x01\x1b[2JB\x7f", 8), "0006-A-2JB.pdf"},
    {"nul_byte", 6, std::string("A\0B", 3), "0006-A-B.pdf"},
    {"only_punctuation", 8, "/// .. \\", "0008.pdf"},
    {"hidden_file_dot", 9, ".profile", "0009-profile.pdf"},
    {"extension_in_the_name", 10, "cv.pdf.sh", "0010-cv-pdf-sh.pdf"},
    {"right_to_left_override", 11, "evil\u202Efdp.exe", "0011-evil-fdp-exe.pdf"},
    {"multiplication_sign_is_no_letter", 13, "A\u00D7B", "0013-A-B.pdf"},
    {"bytes_that_are_no_utf8", 14,
     "A\xC3(\xFF"
     "B",
     "0014-A-B.pdf"},
    {"cut_to_the_limit", 15, std::string(100, 'a'), "0015-" + std::string(60, 'a') + ".pdf"},
    {"cut_leaves_no_dash_at_the_end", 16, std::string(60, 'a') + " b",
     "0016-" + std::string(60, 'a') + ".pdf"},
    {"cut_keeps_letters_whole", 17, std::string(59, 'a') + "é",
     "0017-" + std::string(59, 'a') + ".pdf"},
};

class PrintoutFileNames : public ::testing::TestWithParam<NameCase>
{};

TEST_P(PrintoutFileNames, KeepOnlyASafeName)
{
    const NameCase& c = GetParam();
    const std::string file = printoutFileName(c.row, c.employee);
    EXPECT_EQ(file, c.file);
    // Whatever the name, the file stays in its folder and is an ordinary visible file.
    EXPECT_EQ(file.find('/'), std::string::npos);
    EXPECT_EQ(file.find(".."), std::string::npos);
    EXPECT_NE(file.front(), '.');
    for (const char ch : file) {
        EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f);
    }
}

INSTANTIATE_TEST_SUITE_P(Batch, PrintoutFileNames, ::testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan::cli
