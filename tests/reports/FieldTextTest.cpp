// What a report field prints for a stored value: money through the number
// rules, dates M/d/yyyy, numbers kept as text without their blanks, NULL blank.
#include <gtest/gtest.h>

#include <QDate>
#include <QVariant>

#include "reports/FieldText.h"

using tervalo::reports::FieldFormat;
using tervalo::reports::fieldText;

namespace {

struct FieldCase {
    const char* name;
    QVariant value;
    FieldFormat format;
    const char* printed;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class FieldTextTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTextTest, PrintsTheStoredValue) {
    EXPECT_EQ(fieldText(GetParam().value, GetParam().format).toStdString(), GetParam().printed);
}

const QVariant kNull = QVariant(QMetaType(QMetaType::QString));

INSTANTIATE_TEST_SUITE_P(
    Money, FieldTextTest,
    ::testing::Values(FieldCase{"ThousandsAndTwoDecimals", 1234.5, FieldFormat::Money, "$1,234.50"},
                      FieldCase{"NegativeHoldingCost", -40.0, FieldFormat::Money, "-$40.00"},
                      FieldCase{"NegativeTextAsTyped", QString("-40"), FieldFormat::Money, "-$40.00"},
                      FieldCase{"RoundsHalfAwayFromZero", 249.394736561703, FieldFormat::Money, "$249.39"},
                      FieldCase{"Millions", 1098586.55043587, FieldFormat::Money, "$1,098,586.55"},
                      FieldCase{"TypedTextWithATrailingPoint", QString("5."), FieldFormat::Money, "$5.00"},
                      FieldCase{"TypedTextWithoutLeadingZero", QString(".5"), FieldFormat::Money, "$0.50"},
                      FieldCase{"TypedTextWithBlanks", QString(" 130 "), FieldFormat::Money, "$130.00"},
                      FieldCase{"WholeNumberColumn", qlonglong(5000), FieldFormat::Money, "$5,000.00"},
                      FieldCase{"TextThatIsNoNumber", QString("12abc"), FieldFormat::Money, "12abc"},
                      FieldCase{"TextWithACurrencySign", QString("$5"), FieldFormat::Money, "$5"},
                      FieldCase{"EmptyText", QString(""), FieldFormat::Money, ""},
                      FieldCase{"Null", kNull, FieldFormat::Money, ""},
                      FieldCase{"NullNumber", QVariant(QMetaType(QMetaType::Double)), FieldFormat::Money, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Stored, FieldTextTest,
    ::testing::Values(FieldCase{"NumberWithItsLeadingBlank", QString(" 42"), FieldFormat::Stored, "42"},
                      FieldCase{"NumberAsTyped", QString("1.173"), FieldFormat::Stored, "1.173"},
                      FieldCase{"NameKeepsItsBlanks", QString("  Paper "), FieldFormat::Stored, "  Paper "},
                      FieldCase{"NameWithApostrophe", QString("O'Brien's paper"), FieldFormat::Stored,
                                "O'Brien's paper"},
                      FieldCase{"RealColumnInGeneralForm", 0.5, FieldFormat::Stored, ".5"},
                      FieldCase{"WholeNumberColumn", qlonglong(7), FieldFormat::Stored, "7"},
                      FieldCase{"Null", kNull, FieldFormat::Stored, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dates, FieldTextTest,
    ::testing::Values(FieldCase{"IsoText", QString("2026-12-07"), FieldFormat::Date, "12/7/2026"},
                      FieldCase{"IsoTextSingleDigits", QString("2027-01-05"), FieldFormat::Date, "1/5/2027"},
                      FieldCase{"IsoTextWithATime", QString("2026-12-07 10:00:00"), FieldFormat::Date, "12/7/2026"},
                      FieldCase{"DateValue", QDate(2026, 11, 9), FieldFormat::Date, "11/9/2026"},
                      FieldCase{"TextThatIsNoDate", QString("soon"), FieldFormat::Date, "soon"},
                      FieldCase{"IsoTextFollowedByWords", QString("2026-12-07 or later"), FieldFormat::Date,
                                "2026-12-07 or later"},
                      FieldCase{"Null", kNull, FieldFormat::Date, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
