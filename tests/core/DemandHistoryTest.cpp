// The demand-history file and rows: reading pairs across blanks, commas and
// lines with the stops, writing one line per row, the check of the cells, the
// order by period, and a seeded pass of the fuzz harness's check.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "../../fuzz/DemandHistoryFuzz.cpp"
#include "core/demand/DemandHistory.h"

using namespace tervalo::core::demand;

namespace {

using Rows = std::vector<DemandTextRow>;

struct ReadCase {
    const char* name;
    std::string text;
    Rows rows;
    ReadStop stop;
    std::size_t room = kMaxDemandRows;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadDemandHistoryTest : public ::testing::TestWithParam<ReadCase> {};

// Whole, and as a file arrives: one byte at a time.
TEST_P(ReadDemandHistoryTest, TakesPairsInOrder) {
    const DemandHistoryRead read = readDemandHistory(GetParam().text, GetParam().room);
    EXPECT_EQ(read.rows, GetParam().rows);
    EXPECT_EQ(read.stop, GetParam().stop);
    DemandHistoryReader reader(GetParam().room);
    for (std::size_t i = 0; i < GetParam().text.size() && reader.read(GetParam().text.substr(i, 1)); ++i) {
    }
    const DemandHistoryRead pieces = reader.finish();
    EXPECT_EQ(pieces.rows, GetParam().rows);
    EXPECT_EQ(pieces.stop, GetParam().stop);
}

const Rows kTwo{{"1", "1000"}, {"2", "240"}};

// Periods 1 to n with demands 101 on.
std::string pairs(std::size_t n) {
    std::string text;
    for (std::size_t p = 1; p <= n; ++p)
        text += std::to_string(p) + " " + std::to_string(100 + p) + "\n";
    return text;
}
Rows rows(std::size_t n) {
    Rows out;
    for (std::size_t p = 1; p <= n; ++p)
        out.push_back({std::to_string(p), std::to_string(100 + p)});
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadDemandHistoryTest,
    ::testing::Values(ReadCase{"TwoLines", "1 1000\r\n2 240\r\n", kTwo, ReadStop::EndOfText},
                      ReadCase{"OneLine", "1 1000 2 240", kTwo, ReadStop::EndOfText},
                      ReadCase{"Commas", "1,1000,2,240", kTwo, ReadStop::EndOfText},
                      ReadCase{"PairAcrossLines", "1\n1000\t2\n\n240\n", kTwo, ReadStop::EndOfText},
                      ReadCase{"CommaAndBlanks", "  1 , 1000 ,\n 2,  240  ", kTwo, ReadStop::EndOfText},
                      ReadCase{"Empty", "", {}, ReadStop::EndOfText},
                      ReadCase{"BlanksOnly", " \r\n\t,", {}, ReadStop::EndOfText},
                      ReadCase{"Heading", "Week Demand\n1 1000\n", {}, ReadStop::BadValue},
                      ReadCase{"BadPeriodLater", "1 1000\nx 240\n", {{"1", "1000"}}, ReadStop::BadValue},
                      ReadCase{"BadDemand", "1 1000\n2 many\n3 5\n", {{"1", "1000"}}, ReadStop::BadValue},
                      ReadCase{"DemandBeyondDouble", "1 1e400", {}, ReadStop::BadValue},
                      ReadCase{"LastValueAlone", "1 1000 2", {{"1", "1000"}}, ReadStop::MissingDemand},
                      ReadCase{"PeriodBeyondSingle", "1 5\n1e39 5", {{"1", "5"}}, ReadStop::Overflow},
                      ReadCase{"DemandRoundsBeyondDouble", "1 1.7976931348623157e308", {}, ReadStop::Overflow},
                      ReadCase{"ByteOrderMark",
                               "\xEF\xBB\xBF"
                               "1 1000\r\n2 240",
                               kTwo, ReadStop::EndOfText},
                      ReadCase{"ByteOrderMarkAlone", "\xEF\xBB\xBF\r\n1 1000 2 240", kTwo, ReadStop::EndOfText},
                      ReadCase{"ByteOrderMarkAfterASeparator",
                               ",\xEF\xBB\xBF"
                               "1 1000",
                               {},
                               ReadStop::BadValue},
                      ReadCase{"ByteOrderMarkLater",
                               "1 1000 \xEF\xBB\xBF"
                               "2 240",
                               {{"1", "1000"}},
                               ReadStop::BadValue},
                      ReadCase{
                          "ValueTooLongToBeANumber", "1 5 " + std::string(5000, '1'), {{"1", "5"}}, ReadStop::BadValue},
                      ReadCase{"FullHistory", pairs(32767), rows(32767), ReadStop::EndOfText},
                      ReadCase{"OnePastTheFullHistory", pairs(32768), {}, ReadStop::TooManyRows},
                      ReadCase{"PastTheRoomLeft", "1 5 2 6 3 7", {}, ReadStop::TooManyRows, 2},
                      ReadCase{"AValueAloneInNoRoom", "1", {}, ReadStop::TooManyRows, 0},
                      ReadCase{"NothingInNoRoom", " \r\n", {}, ReadStop::EndOfText, 0},
                      // numbers come back as their plain texts: the period in single precision
                      ReadCase{"NumberTexts",
                               "1.23456789 0.1\n.5 -2.5e3\n+7 1E+16\n0.1 007",
                               {{"1.234568", "0.1"}, {"0.5", "-2500"}, {"7", "1E+16"}, {"0.1", "7"}},
                               ReadStop::EndOfText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadStopMessageTest, SaysWhyReadingStopped) {
    using tervalo::core::MessageIcon;
    EXPECT_FALSE(readStopMessage(ReadStop::EndOfText));
    const std::tuple<ReadStop, const char*, const char*, MessageIcon> table[] = {
        {ReadStop::BadValue, "The data format is not correct.", "Data format error", MessageIcon::Exclamation},
        {ReadStop::MissingDemand, "Input past end of file", "", MessageIcon::None},
        {ReadStop::Overflow, "Overflow", "", MessageIcon::None},
        {ReadStop::TooManyRows, "The demand history holds at most 32767 periods; nothing was read from the file.",
         "Too many periods", MessageIcon::Exclamation}};
    for (const auto& [stop, text, title, icon] : table) {
        const auto m = readStopMessage(stop);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->text, text);
        EXPECT_EQ(m->title, title);
        EXPECT_EQ(m->icon, icon);
    }
}

// A file far past the room is read no further than the first value beyond it.
TEST(DemandHistoryReaderTest, StopsAtTheFirstValuePastItsRoom) {
    DemandHistoryReader reader(2);
    EXPECT_TRUE(reader.read("1 5 2 6"));
    EXPECT_FALSE(reader.read(" 3 7 4 8"));
    EXPECT_EQ(reader.finish().stop, ReadStop::TooManyRows);
    DemandHistoryReader endless;
    EXPECT_FALSE(endless.read(std::string(5000, '1')));
}

TEST(WriteDemandHistoryTest, OneLinePerRowInPrintZones) {
    const std::pair<Rows, std::string> table[] = {
        {kTwo, "1             1000\r\n2             240\r\n"},
        {{}, ""},
        {{{"12345678901234", "5"}, {"1234567890123", "6"}}, "12345678901234              5\r\n1234567890123 6\r\n"}};
    for (const auto& [rows, text] : table)
        EXPECT_EQ(writeDemandHistory(rows), text);
    EXPECT_EQ(readDemandHistory(writeDemandHistory(kTwo)).rows, kTwo);
}

TEST(FirstBadCellTest, FindsTheFirstEmptyOrNonNumericCell) {
    const std::pair<Rows, std::optional<BadCell>> table[] = {{kTwo, std::nullopt},
                                                             {{}, std::nullopt},
                                                             {{{"1", "10"}, {"", "12"}}, BadCell{1, 0}},
                                                             {{{"1", "10"}, {"2", ""}, {"", ""}}, BadCell{1, 1}},
                                                             {{{"1.2.3", "10"}}, BadCell{0, 0}},
                                                             {{{"1", "1 0"}}, BadCell{0, 1}},
                                                             {{{"1", "."}}, BadCell{0, 1}}};
    for (const auto& [rows, bad] : table)
        EXPECT_EQ(firstBadCell(rows), bad);
}

TEST(SortByTimeTest, OrdersPeriodsAsNumbersKeepingTies) {
    const std::pair<Rows, Rows> table[] = {
        {{{"10", "a"}, {"2", "b"}, {"1", "c"}, {"12", "d"}}, {{"1", "c"}, {"2", "b"}, {"10", "a"}, {"12", "d"}}},
        {{{"3", "x"}, {"1.5", "y"}, {"3", "z"}, {"0", "w"}}, {{"0", "w"}, {"1.5", "y"}, {"3", "x"}, {"3", "z"}}}};
    for (auto [rows, sorted] : table) {
        sortByTime(rows);
        EXPECT_EQ(rows, sorted);
    }
    const std::vector<DemandPoint> series = demandSeries({{"2", "12.5"}, {"1", "10"}});
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].time, 2);
    EXPECT_EQ(series[1].demand, 10);
}

// The harness's check on the fixture files and on mutations of them made by a
// fixed pseudo-random sequence: every run tries the same inputs.
TEST(DemandHistoryFuzzSeedTest, SeedsAndMutationsPassTheCheck) {
    const char* pieces[] = {" ", ",", "\r\n", "\t", ".", "-", "e", "E+", "1000", "3.4028235E+38", "1e-45", "x"};
    std::vector<std::string> seeds;
    for (const char* file : {"weekly.txt", "commas.txt", "heading.txt", "split.txt", "numbers.txt", "top.txt"}) {
        std::ifstream in(std::string(TERVALO_DEFAULT_FIXTURES) + "/demand/" + file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        std::stringstream text;
        text << in.rdbuf();
        seeds.push_back(text.str());
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < 5000; ++i) {
        std::string input = seeds[random() % seeds.size()];
        for (int edits = 1 + int(random() % 4); edits > 0; --edits) {
            const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
            if (random() % 2 && !input.empty() && at < input.size())
                input.erase(at, 1 + random() % 3);
            else
                input.insert(at, pieces[random() % std::size(pieces)]);
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(input.data());
        ASSERT_EQ(tervalo::fuzz::demandHistoryFuzzCheck(data, input.size()), "") << input;
        LLVMFuzzerTestOneInput(data, input.size());
    }
}

}  // namespace
