// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schema_database.h"
#include "tests/support/recording_sink.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_folder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

const DatabaseSchema& testSchema()
{
    static const DatabaseSchema schema{
        "test database",
        {
            TableSchema{"Report",
                        TableKind::SingleRow,
                        {
                            {"Label", ColumnType::Text, std::string()},
                            {"Amount", ColumnType::Real, 0.0},
                            {"Count", ColumnType::Integer, std::int64_t{0}},
                            {"Total", ColumnType::Any, 0.0},
                            {"Flag", ColumnType::Boolean, std::int64_t{1}},
                            {"Odd/Name", ColumnType::Real, 0.0},
                        }},
            TableSchema{"Lines",
                        TableKind::Lines,
                        {
                            {"Month", ColumnType::Integer, std::int64_t{0}},
                            {"Balance", ColumnType::Real, 0.0},
                        }},
        },
        false};
    return schema;
}

class SchemaDatabaseTest : public ::testing::Test
{
protected:
    TempFolder folder;
    RecordingSink sink;
    std::filesystem::path file = folder / "test.mdb";
    SchemaDatabase database{file, testSchema(), sink};

    std::string typeOf(const std::string& column)
    {
        SQLite::Database db(file.string());
        return db.execAndGet("SELECT typeof(\"" + column + "\") FROM Report").getString();
    }
};

TEST_F(SchemaDatabaseTest, NewFileHoldsInitialRowAndEmptyLines)
{
    const auto row = database.readRow("Report");
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->size(), 6u);
    EXPECT_EQ(*findField(*row, "Label"), FieldValue(std::string()));
    EXPECT_EQ(*findField(*row, "Flag"), FieldValue(std::int64_t{1}));
    EXPECT_EQ(database.readLines("Lines")->size(), 0u);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SchemaDatabaseTest, WritesFieldByFieldAndKeepsTheRest)
{
    ASSERT_TRUE(database.writeRow("Report", {{"Label", std::string("First")}, {"Amount", 12.5}}));
    ASSERT_TRUE(database.writeRow("Report", {{"Amount", 99.0}}));
    const auto row = *database.readRow("Report");
    EXPECT_EQ(*findField(row, "Label"), FieldValue(std::string("First")));
    EXPECT_EQ(*findField(row, "Amount"), FieldValue(99.0));
}

TEST_F(SchemaDatabaseTest, AFieldWrittenTwiceEndsWithItsLastValue)
{
    ASSERT_TRUE(database.writeRow("Report", {{"Total", 5.0}, {"Amount", 1.0}, {"Total", 7.0}}));
    EXPECT_EQ(*findField(*database.readRow("Report"), "Total"), FieldValue(7.0));
}

TEST_F(SchemaDatabaseTest, AnyColumnKeepsTheIntegerZero)
{
    ASSERT_TRUE(database.writeRow("Report", {{"Total", std::int64_t{0}}, {"Amount", 0.0}}));
    EXPECT_EQ(typeOf("Total"), "integer");
    EXPECT_EQ(typeOf("Amount"), "real");
    ASSERT_TRUE(database.writeRow("Report", {{"Total", 12.75}}));
    EXPECT_EQ(typeOf("Total"), "real");
}

TEST_F(SchemaDatabaseTest, WrongTypeIsRefusedAndNothingIsWritten)
{
    ASSERT_TRUE(database.writeRow("Report", {{"Amount", 1.0}}));
    EXPECT_FALSE(database.writeRow("Report", {{"Amount", 2.0}, {"Count", 2.5}}));
    EXPECT_EQ(*findField(*database.readRow("Report"), "Amount"), FieldValue(1.0));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
}

TEST_F(SchemaDatabaseTest, UnknownFieldIsRefused)
{
    EXPECT_FALSE(database.writeRow("Report", {{"Nope", 1.0}}));
    EXPECT_FALSE(database.readRow("Missing").has_value());
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(SchemaDatabaseTest, TextIsStoredAsTypedNotRunAsSql)
{
    const std::string hostile = "x'); DROP TABLE Report; --\"";
    ASSERT_TRUE(database.writeRow("Report", {{"Label", hostile}, {"Odd/Name", 3.0}}));
    const auto row = *database.readRow("Report");
    EXPECT_EQ(*findField(row, "Label"), FieldValue(hostile));
    EXPECT_EQ(*findField(row, "Odd/Name"), FieldValue(3.0));
}

TEST_F(SchemaDatabaseTest, LinesHoldOnlyTheLastFilling)
{
    ASSERT_TRUE(database.replaceLines("Lines", {{{"Month", std::int64_t{1}}, {"Balance", 10.0}},
                                                {{"Month", std::int64_t{2}}, {"Balance", 5.0}},
                                                {{"Month", std::int64_t{3}}}}));
    ASSERT_TRUE(database.replaceLines("Lines", {{{"Month", std::int64_t{7}}, {"Balance", 1.5}}}));
    const auto lines = *database.readLines("Lines");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(*findField(lines[0], "Month"), FieldValue(std::int64_t{7}));
    ASSERT_TRUE(database.replaceLines("Lines", {}));
    EXPECT_TRUE(database.readLines("Lines")->empty());
}

TEST_F(SchemaDatabaseTest, ALineMissingAFieldTakesItsInitialValue)
{
    ASSERT_TRUE(database.replaceLines("Lines", {{{"Month", std::int64_t{3}}}}));
    EXPECT_EQ(*findField(database.readLines("Lines")->at(0), "Balance"), FieldValue(0.0));
}

TEST_F(SchemaDatabaseTest, FailedLineFillingKeepsTheOldLines)
{
    ASSERT_TRUE(database.replaceLines("Lines", {{{"Month", std::int64_t{1}}}}));
    EXPECT_FALSE(database.replaceLines(
        "Lines", {{{"Month", std::int64_t{2}}}, {{"Month", std::string("three")}}}));
    const auto lines = *database.readLines("Lines");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(*findField(lines[0], "Month"), FieldValue(std::int64_t{1}));
}

TEST_F(SchemaDatabaseTest, AnnouncesANewFileWhenAsked)
{
    DatabaseSchema announced = testSchema();
    announced.announceNewFile = true;
    SchemaDatabase told(folder / "told.mdb", announced, sink);
    ASSERT_TRUE(told.prepare());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("was missing"), std::string::npos);
    ASSERT_TRUE(told.prepare());
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SchemaDatabaseTest, CreatesMissingFolders)
{
    SchemaDatabase nested(folder / "a/b/c.mdb", testSchema(), sink);
    EXPECT_TRUE(nested.prepare());
    EXPECT_TRUE(std::filesystem::exists(folder / "a/b/c.mdb"));
}

TEST_F(SchemaDatabaseTest, AFileThatCannotBeMadeIsToldNotThrown)
{
    TempFolder::writeFile(folder / "plain", "a file, not a folder");
    SchemaDatabase impossible(folder / "plain/x.mdb", testSchema(), sink);
    EXPECT_FALSE(impossible.readRow("Report").has_value());
    EXPECT_FALSE(impossible.writeRow("Report", {{"Amount", 1.0}}));
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
}

struct NotAFileCase
{
    const char* name;
    /// Makes what stands at the database's name.
    bool (*make)(const TempFolder& folder, const std::filesystem::path& file);
    const char* told;
};

// The database library would open these through (a link to a device, a pipe it would wait on)
// and put its journal beside the device; each is moved aside, untouched, as a damaged file is.
const NotAFileCase kNotAFileCases[] = {
    {"link_to_a_device",
     [](const TempFolder& folder, const auto& file) {
         return testing::makeDeviceNode(folder / "device") &&
                ::symlink((folder / "device").c_str(), file.c_str()) == 0;
     },
     "is not an ordinary file (a link to a device)"},
    {"named_pipe", [](const TempFolder&, const auto& file) { return testing::makeFifo(file); },
     "is not an ordinary file (a named pipe)"},
    {"dangling_link",
     [](const TempFolder& folder, const auto& file) {
         return ::symlink((folder / "nowhere").c_str(), file.c_str()) == 0;
     },
     "is a link to nothing"},
};

class SchemaDatabaseNotAFile : public ::testing::TestWithParam<NotAFileCase>
{};

TEST_P(SchemaDatabaseNotAFile, IsKeptAsideNeverOpenedThrough)
{
    TempFolder folder;
    RecordingSink sink;
    const std::filesystem::path file = folder / "test.mdb";
    ASSERT_TRUE(GetParam().make(folder, file));
    const mode_t type = testing::fileType(file);
    SchemaDatabase database(file, testSchema(), sink);

    ASSERT_TRUE(database.writeRow("Report", {{"Amount", 2.5}}));
    EXPECT_EQ(*findField(*database.readRow("Report"), "Amount"), FieldValue(2.5));
    EXPECT_EQ(testing::fileType(file), S_IFREG);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find(GetParam().told), std::string::npos)
        << sink.messages[0].text;
    // The old name is kept aside as it was, and nothing was made beside what it points to.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
        if (names.back().starts_with("test.mdb.damaged-")) {
            EXPECT_EQ(testing::fileType(entry.path()), type);
        }
    }
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const auto& n) { return n.starts_with("test.mdb.damaged-"); }),
              1);
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const auto& n) { return n.find("journal") != std::string::npos; }),
              0);
    if (std::filesystem::exists(std::filesystem::symlink_status(folder / "device"))) {
        EXPECT_EQ(testing::fileType(folder / "device"), S_IFCHR);
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, SchemaDatabaseNotAFile, ::testing::ValuesIn(kNotAFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchemaDatabaseTest, FailuresAreExplainedAndSayWhatHappensInstead)
{
    DatabaseSchema schema = testSchema();
    schema.whenUnreadable = "The standard values are used for now.";
    TempFolder::writeFile(folder / "plain", "a file, not a folder");
    SchemaDatabase impossible(folder / "plain/x.mdb", schema, sink);
    EXPECT_FALSE(impossible.readRow("Report").has_value());
    EXPECT_FALSE(impossible.writeRow("Report", {{"Amount", 1.0}}));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_NE(sink.messages[0].text.find("could not be created: the file or its folder cannot be "
                                         "opened (the database library said \u201c"),
              std::string::npos)
        << sink.messages[0].text;
    EXPECT_TRUE(sink.messages[0].text.ends_with("\u201d). The standard values are used for now."))
        << sink.messages[0].text;
    EXPECT_TRUE(sink.messages[1].text.ends_with("). Nothing in it was changed."))
        << sink.messages[1].text;
}

} // namespace
} // namespace grovan
