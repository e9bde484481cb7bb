#include "DataTestSupport.h"
#include "data/ConnectionString.h"

using tervalo::data::ConnectionString;
using tervalo::data::test::databaseErrorOf;
using tervalo::data::test::kAwkwardFolderNames;

TEST(ConnectionString, KeysMatchWithoutRegardToCase) {
    const auto cs = ConnectionString::parse(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/tervalo/Demo.mdb;Persist Security Info=False");
    EXPECT_EQ(cs.value("data source"), "/opt/tervalo/Demo.mdb");
    EXPECT_EQ(cs.value("PROVIDER"), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_TRUE(cs.contains("persist security info"));
    EXPECT_EQ(cs.keys(), QStringList({"Provider", "Data Source", "Persist Security Info"}));
}

TEST(ConnectionString, AbsentKeyGivesEmptyTextAndRepeatedKeyItsLastValue) {
    const auto cs = ConnectionString::parse("Driver=QPSQL;Host=a;HOST=b");
    EXPECT_FALSE(cs.contains("Port"));
    EXPECT_EQ(cs.value("Port"), "");
    EXPECT_EQ(cs.value("host"), "b");
}

TEST(ConnectionString, BlanksAroundKeysAndValuesAndEmptySegmentsAreIgnored) {
    const auto cs = ConnectionString::parse("  Host = db.example  ;; Port=5432 ; ");
    EXPECT_EQ(cs.value("Host"), "db.example");
    EXPECT_EQ(cs.value("Port"), "5432");
    EXPECT_EQ(cs.keys().size(), 2);
}

TEST(ConnectionString, QuotedAndBracedValuesKeepSeparatorsAndBlanks) {
    const auto cs =
        ConnectionString::parse("Password=\"se;cr\"\"et \";User='o''brien';Driver={Some Driver; v2};Data Source=a=b");
    EXPECT_EQ(cs.value("Password"), "se;cr\"et ");
    EXPECT_EQ(cs.value("User"), "o'brien");
    EXPECT_EQ(cs.value("Driver"), "Some Driver; v2");
    EXPECT_EQ(cs.value("Data Source"), "a=b");
}

TEST(ConnectionString, MalformedTextIsAnError) {
    EXPECT_EQ(databaseErrorOf([] { ConnectionString::parse("Host=db;Password=\"open"); }),
              "Format of the initialization string is not valid starting at index 8.");
    EXPECT_EQ(databaseErrorOf([] { ConnectionString::parse("Host=db;garbage;Port=1"); }),
              "Format of the initialization string is not valid starting at index 8.");
    EXPECT_EQ(databaseErrorOf([] { ConnectionString::parse("=x"); }),
              "Format of the initialization string is not valid starting at index 0.");
    EXPECT_EQ(databaseErrorOf([] { ConnectionString::parse("User='a'b;Host=x"); }),
              "Format of the initialization string is not valid starting at index 0.");
}

TEST(ConnectionString, JetFormNamesTheFileInItsFolder) {
    EXPECT_EQ(ConnectionString::forFile("/opt/tervalo", "NWRetail.mdb"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/tervalo/NWRetail.mdb\";Persist Security Info=False");
}

// The folder and file come back exactly, and nothing in them adds a key.
class ConnectionStringRoundTrip : public ::testing::TestWithParam<std::pair<QString, QString>> {};

TEST_P(ConnectionStringRoundTrip, DataSourceIsTheFolderAndFileAsGiven) {
    const auto& [folder, fileName] = GetParam();
    const auto cs = ConnectionString::parse(ConnectionString::forFile(folder, fileName));
    EXPECT_EQ(cs.value("Data Source"), folder + "/" + fileName);
    EXPECT_EQ(cs.keys(), QStringList({"Provider", "Data Source", "Persist Security Info"}));
}

std::vector<std::pair<QString, QString>> roundTripCases() {
    std::vector<std::pair<QString, QString>> cases{{"/opt/tervalo", "Demo.mdb;Driver=QPSQL;Host=127.0.0.1"},
                                                   {"/opt/tervalo", "{Demo}.mdb\""}};
    for (const QString& name : kAwkwardFolderNames)
        cases.emplace_back("/tmp/" + name, "Demo.mdb");
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AwkwardNames, ConnectionStringRoundTrip, ::testing::ValuesIn(roundTripCases()));

TEST(ConnectionString, NameThatIsNotAPlainFileNameOpensNothing) {
    const QString names[] = {"", ".", "..", "../etc/Demo.mdb", "data\\Demo.mdb", QString::fromUtf8("De\0mo\n\x7f", 7)};
    const QString shown[] = {"", ".", "..", "../etc/Demo.mdb", "data\\Demo.mdb", "De\\x00mo\\x0A\\x7F"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(databaseErrorOf([&] { ConnectionString::forFile("/opt/tervalo", names[i]); }),
                  "The data source name \"" + shown[i] +
                      "\" is not the name of a file in the program's folder, so no database was opened.");
}

// Messages show the connection string with every password value hidden, the rest intact.
TEST(ConnectionString, WithoutPasswordHidesEveryPasswordValue) {
    const std::pair<QString, QString> cases[] = {
        {"Driver=QPSQL;Host=db;User=clerk;Password=s3cret", "Driver=QPSQL;Host=db;User=clerk;Password=*****"},
        {"password = \"se;cr\"\"et\" ;Host=db", "password = ***** ;Host=db"},
        {"PWD={a;b};Pwd='c;d'", "PWD=*****;Pwd=*****"},
        {"Host=db;Password=\"never closed;Port=1", "Host=db;Password=*****"},
        {"Host=db;Password=se;cret.", "Host=db;Password=*****"},
        {"Password=se;cret;Port=1;User=x", "Password=*****"},
        {"Password=a;b=c;Pwd=d", "Password=*****;b=c;Pwd=*****"},
        {"Password=", "Password=*****"},
        {"Data Source=/opt/Passwords.mdb;User=x", "Data Source=/opt/Passwords.mdb;User=x"},
        {"Data Source=a.mdb;Jet OLEDB:Database Password=s3cret;Mode=Share",
         "Data Source=a.mdb;Jet OLEDB:Database Password=*****;Mode=Share"},
        {"jet oledb:new database PASSWORD='a;b';ProxyPwd=c", "jet oledb:new database PASSWORD=*****;ProxyPwd=*****"},
        {"Host=db;Jet OLEDB:Database Password=\"open;Port=1", "Host=db;Jet OLEDB:Database Password=*****"},
        {"Host=db;PasswordHint=x", "Host=db;PasswordHint=x"},
        {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(ConnectionString::withoutPassword(text), shown) << text.toStdString();
}
