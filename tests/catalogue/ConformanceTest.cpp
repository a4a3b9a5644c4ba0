// Real Access files: every user table dumps exactly as mdb-export printed
// it, and the database password is enforced.
#include "tests/catalogue/CatalogueTestSupport.h"
#include "catalogue/CsvExport.h"
#include "catalogue/Database.h"
#include "catalogue/JetFile.h"

#include <sstream>

namespace {

using catalogue::ECatalogueError;
using catalogue::TCatalogueConnection;
using cattest::ConformancePath;

struct DumpCase {
    const char* file;
    const char* table;
};

void PrintTo(const DumpCase& c, std::ostream* out) {
    *out << c.file << " " << c.table;
}

class ConformanceDump : public testing::TestWithParam<DumpCase> {};

TEST_P(ConformanceDump, MatchesMdbExport) {
    const DumpCase& c = GetParam();
    std::string file = std::string(c.file) + ".mdb";
    std::string expected = cattest::ReadFileText(
        ConformancePath("expected/" + std::string(c.file) + "__" + c.table + ".csv"));
    ASSERT_FALSE(expected.empty());
    catalogue::Database database(catalogue::JetFile::Load(ConformancePath(file)));
    std::ostringstream out;
    catalogue::WriteTableCsv(database, c.table, out);
    EXPECT_EQ(out.str(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllTables, ConformanceDump,
    testing::Values(DumpCase{"jackcess_overflowTestV2003", "Table1"},
                    DumpCase{"mdbreader_data_V2003_test", "Table1"},
                    DumpCase{"mdbreader_data_V2003_test", "Table2"},
                    DumpCase{"mdbreader_data_V2003_test", "Table3"},
                    DumpCase{"mdbreader_data_V2003_test", "Table4"},
                    DumpCase{"mdbreader_password_data_V2003_no-password", "Table1"},
                    DumpCase{"mdbreader_password_data_V2003_with-password", "Table1"}),
    [](const testing::TestParamInfo<DumpCase>& info) {
        std::string name = std::string(info.param.file) + "_" + info.param.table;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        }
        return name;
    });

TEST(ConformanceTables, ListsUserTablesOnly) {
    catalogue::Database database(
        catalogue::JetFile::Load(ConformancePath("mdbreader_data_V2003_test.mdb")));
    EXPECT_EQ(database.UserTableNames(),
              (std::vector<std::string>{"Table1", "Table2", "Table3", "Table4"}));
}

TEST(ConformanceValues, FieldTextReadsEveryColumnType) {
    TCatalogueConnection connection;
    connection.Open(
        cattest::ConnectionString(ConformancePath("mdbreader_data_V2003_test.mdb"), ""));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("SELECT * FROM Table1 ORDER BY C DESC");
    query.Open();
    ASSERT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(cattest::ReadRows(query, {"A", "B", "C", "D", "E", "F", "G", "H", "I"}),
              (catalogue::CsvRecords{{"abcdefg", "hijklmnop", "2", "222", "333333333", "444.555",
                                      "1974-09-21", "3.5", "True"},
                                     {"a", "b", "0", "0", "0", "0", "1981-12-12", "0", "False"}}));
}

TEST(ConformancePassword, MaskedPasswordDecodes) {
    EXPECT_EQ(
        catalogue::JetFile::Load(ConformancePath("mdbreader_password_data_V2003_with-password.mdb"))
            .Password(),
        "password");
    EXPECT_EQ(
        catalogue::JetFile::Load(ConformancePath("mdbreader_password_data_V2003_no-password.mdb"))
            .Password(),
        "");
}

TEST(ConformancePassword, CorrectPasswordOpens) {
    TCatalogueConnection connection;
    connection.Open(cattest::ConnectionString(
        ConformancePath("mdbreader_password_data_V2003_with-password.mdb"), "password"));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("Select * From Table1 Where Data = 'two'");
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("ID"), "2");
    EXPECT_EQ(query.FieldByName("data"), "Two");
}

TEST(ConformancePassword, WrongMissingOrMiscasedPasswordIsRefused) {
    std::string path = ConformancePath("mdbreader_password_data_V2003_with-password.mdb");
    for (const char* wrong : {"", "Password", "passwor", "password1", "x"}) {
        TCatalogueConnection connection;
        try {
            connection.Open(cattest::ConnectionString(path, wrong));
            ADD_FAILURE() << "opened with '" << wrong << "'";
        } catch (const ECatalogueError& error) {
            EXPECT_STREQ(error.what(), "Not a valid password.");
        }
        EXPECT_FALSE(connection.Connected());
    }
}

TEST(ConformancePassword, DatabaseWithoutPasswordOpensWithAny) {
    std::string path = ConformancePath("mdbreader_password_data_V2003_no-password.mdb");
    for (const char* given : {"", "anything"}) {
        TCatalogueConnection connection;
        connection.Open(cattest::ConnectionString(path, given));
        EXPECT_EQ(connection.TableNames(), std::vector<std::string>{"Table1"});
    }
}

} // namespace
