#include "core/schema_database.h"
#include "tests/support/recording_sink.h"
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

} // namespace
} // namespace grovan
