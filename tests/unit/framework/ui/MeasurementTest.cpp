/* Measurements written and read by FCString, in explicit units (the document's
   default unit is covered with the host). */
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "strings/FCString.h"
#include "ui/driver/qzui_driver.h"

namespace
{
using U = __FCBase;

std::string Format(double evpus, int unit)
{
    FCString text;
    text.SetMeasurement(evpus, unit);
    return text.GetUTF8String();
}

double Parse(const char* utf8, int unit)
{
    FCString text;
    text.SetUTF8String(utf8);
    return text.GetMeasurement(unit);
}

class MeasurementTest : public ::testing::Test
{
protected:
    void SetUp() override { qzui_set_decimal_separator("."); }
    void TearDown() override { qzui_set_decimal_separator(nullptr); }
};

TEST_F(MeasurementTest, FormatsTheDocumentedExamples)
{
    EXPECT_EQ(Format(288, U::MEASUREMENTUNIT_INCHES), "1");
    EXPECT_EQ(Format(100, U::MEASUREMENTUNIT_INCHES), "0.34722");
    EXPECT_EQ(Format(72, U::MEASUREMENTUNIT_PICAS), "1p6");
    EXPECT_EQ(Format(10, U::MEASUREMENTUNIT_POINTS), "2.5");
}

TEST_F(MeasurementTest, FormatsEveryUnit)
{
    EXPECT_EQ(Format(36, U::MEASUREMENTUNIT_EVPUS), "36");
    EXPECT_EQ(Format(-7, U::MEASUREMENTUNIT_EVPUS), "-7");
    EXPECT_EQ(Format(12.125, U::MEASUREMENTUNIT_EVPUS), "12.12"); /* cut, not rounded */
    EXPECT_EQ(Format(1134, U::MEASUREMENTUNIT_CENTIMETERS), "10.00124");
    EXPECT_EQ(Format(3, U::MEASUREMENTUNIT_POINTS), "0.75");
    EXPECT_EQ(Format(48, U::MEASUREMENTUNIT_PICAS), "1p0");
    EXPECT_EQ(Format(50, U::MEASUREMENTUNIT_PICAS), "1p0.5");
    EXPECT_EQ(Format(-72, U::MEASUREMENTUNIT_PICAS), "-1p6");
    EXPECT_EQ(Format(36, U::MEASUREMENTUNIT_SPACES), "1.5");
    EXPECT_EQ(Format(10, U::MEASUREMENTUNIT_SPACES), "0.41666");
    EXPECT_EQ(Format(0, U::MEASUREMENTUNIT_INCHES), "0");
}

/* The cut after the kept decimals applies to the decimal a value stands
   for, not to its binary approximation (35.1 points are 140.399994 EVPUs
   as a float): a typed value reads back as typed, and stepping from it does
   not drift. A value truly below the cut still loses its digit. */
TEST_F(MeasurementTest, TypedDecimalsReadBackAsTypedAndStepWithoutDrift)
{
    EXPECT_EQ(Format(140.4, U::MEASUREMENTUNIT_POINTS), "35.1");
    EXPECT_EQ(Format(140.384, U::MEASUREMENTUNIT_POINTS), "35.09");
    EXPECT_EQ(Format(140.4, U::MEASUREMENTUNIT_EVPUS), "140.4");
    EXPECT_EQ(Format(Parse("1p6.1", U::MEASUREMENTUNIT_PICAS), U::MEASUREMENTUNIT_PICAS), "1p6.1");
    struct Unit
    {
        int unit;
        int scale; /* typed values are whole multiples of 1 / scale */
        int count;
    } units[] = {{U::MEASUREMENTUNIT_POINTS, 100, 5000},
                 {U::MEASUREMENTUNIT_EVPUS, 100, 5000},
                 {U::MEASUREMENTUNIT_INCHES, 1000, 5000},
                 {U::MEASUREMENTUNIT_SPACES, 1000, 5000}};
    for (const Unit& u : units)
        for (int k = 1; k <= u.count; ++k) {
            std::string typed = std::to_string(k / u.scale) + "." + std::to_string(u.scale + k % u.scale).substr(1);
            typed.erase(typed.find_last_not_of('0') + 1);
            if (typed.back() == '.')
                typed.pop_back();
            ASSERT_EQ(Format(Parse(typed.c_str(), u.unit), u.unit), typed) << "unit " << u.unit;
        }
    /* The arrows of an edit in points: one EVPU up or down from the value shown. */
    std::string shown = "35.1";
    const std::pair<double, const char*> clicks[] = {{1, "35.35"}, {1, "35.6"},   {1, "35.85"},
                                                     {-1, "35.6"}, {-1, "35.35"}, {-1, "35.1"}};
    for (const auto& click : clicks) {
        shown = Format(Parse(shown.c_str(), U::MEASUREMENTUNIT_POINTS) + click.first, U::MEASUREMENTUNIT_POINTS);
        EXPECT_EQ(shown, click.second);
    }
}

TEST_F(MeasurementTest, UnitsWithoutFormattingGiveTheEmptyString)
{
    FCString text("old");
    text.SetMeasurement(288, U::MEASUREMENTUNIT_MILLIMETERS);
    EXPECT_TRUE(text.IsEmpty());
    text.SetCString("old");
    text.SetMeasurement(288, 7);
    EXPECT_TRUE(text.IsEmpty());
    /* A value that is not a number has no text. */
    text.SetMeasurement(std::numeric_limits<double>::quiet_NaN(), U::MEASUREMENTUNIT_EVPUS);
    EXPECT_TRUE(text.IsEmpty());
    text.SetMeasurement(std::numeric_limits<double>::infinity(), U::MEASUREMENTUNIT_PICAS);
    EXPECT_TRUE(text.IsEmpty());
    /* A whole value beyond the integer range keeps its digits. */
    EXPECT_EQ(Format(1e12, U::MEASUREMENTUNIT_EVPUS), "999999995904");
}

TEST_F(MeasurementTest, ParsesTheDocumentedExamples)
{
    for (const char* text : {"1 in", "1in.", "1''", "1 inches", "1inch", "1 i", " 1 in "}) {
        SCOPED_TRACE(text);
        EXPECT_FLOAT_EQ(Parse(text, U::MEASUREMENTUNIT_EVPUS), 288.0);
    }
    EXPECT_FLOAT_EQ(Parse("1p6", U::MEASUREMENTUNIT_PICAS), 72.0);
    EXPECT_FLOAT_EQ(Parse("2,5 pt", U::MEASUREMENTUNIT_INCHES), 10.0);
    EXPECT_FLOAT_EQ(Parse("3", U::MEASUREMENTUNIT_EVPUS), 3.0);
}

TEST_F(MeasurementTest, SuffixOverridesTheUnitInTableOrder)
{
    struct Case
    {
        const char* text;
        double evpus;
    } cases[] = {
        {"2 EVPUs", 2},  {"2evpus.", 2},   {"2 e", 2},       {"1 centimeters", 113.4},
        {"1cm", 113.4},  {"1 c", 113.4},   {"10 mm", 113.4}, {"10 millimeters", 113.4},
        {"2 points", 8}, {"2 pts", 8},     {"2pt", 8},       {"2 picas", 96},
        {"2 p", 96},     {"1 spaces", 24}, {"1 sp", 24},     {"1s", 24},
        {"1 sp.", 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(Parse(c.text, U::MEASUREMENTUNIT_INCHES), c.evpus, 1e-3);
    }
    /* Matching is case-sensitive: "IN" is no suffix, the unit stays. */
    EXPECT_FLOAT_EQ(Parse("1 IN", U::MEASUREMENTUNIT_SPACES), 24.0);
    /* A picas text keeps its "p" form after the suffix is cut. */
    EXPECT_FLOAT_EQ(Parse("1p6 picas", U::MEASUREMENTUNIT_EVPUS), 72.0);
}

TEST_F(MeasurementTest, TextWithoutANumberParsesAsZero)
{
    for (const char* text : {"", "   ", "in", "abc", "p", "''", "-", ".", "inf", "nan", "nan in", "1e39 in"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Parse(text, U::MEASUREMENTUNIT_INCHES), 0.0);
    }
    EXPECT_EQ(Parse("12", 7), 0.0);
    EXPECT_EQ(Parse("12", U::MEASUREMENTUNIT_DEFAULT - 1), 0.0);
}

TEST_F(MeasurementTest, RoundTripsInEveryUnit)
{
    struct Unit
    {
        int unit;
        double tolerance; /* EVPUs lost to the kept decimals */
    } units[] = {
        {U::MEASUREMENTUNIT_EVPUS, 0.01},       {U::MEASUREMENTUNIT_INCHES, 288 * 1e-5},
        {U::MEASUREMENTUNIT_POINTS, 4 * 0.01},  {U::MEASUREMENTUNIT_PICAS, 4 * 0.01},
        {U::MEASUREMENTUNIT_SPACES, 24 * 1e-5},
    };
    for (const Unit& u : units)
        for (double evpus : {0.0, 1.0, 24.0, 36.5, 72.0, 100.0, 288.0, 1000.25, -50.0, -1.5}) {
            SCOPED_TRACE(std::to_string(u.unit) + " " + std::to_string(evpus));
            EXPECT_NEAR(Parse(Format(evpus, u.unit).c_str(), u.unit), evpus, u.tolerance);
        }
}

TEST_F(MeasurementTest, CentimetresComeBackSlightlyLarger)
{
    /* Written with 113.38583 EVPUs per centimetre, read with 113.4. */
    const double back = Parse(Format(1000, U::MEASUREMENTUNIT_CENTIMETERS).c_str(), U::MEASUREMENTUNIT_CENTIMETERS);
    EXPECT_GT(back, 1000.0);
    EXPECT_NEAR(back, 1000.0 * 113.4 / 113.38583, 0.01);
}

TEST_F(MeasurementTest, CommaSeparatorOfTheLocaleIsWrittenAndRead)
{
    qzui_set_decimal_separator(",");
    EXPECT_EQ(Format(100, U::MEASUREMENTUNIT_INCHES), "0,34722");
    EXPECT_EQ(Format(288, U::MEASUREMENTUNIT_INCHES), "1");
    EXPECT_EQ(Format(10, U::MEASUREMENTUNIT_POINTS), "2,5");
    EXPECT_EQ(Format(74, U::MEASUREMENTUNIT_PICAS), "1p6,5");
    EXPECT_NEAR(Parse("0,34722", U::MEASUREMENTUNIT_INCHES), 100.0, 0.003);
    EXPECT_FLOAT_EQ(Parse("1p6,5", U::MEASUREMENTUNIT_PICAS), 74.0);
}

TEST_F(MeasurementTest, NegativePicasKeepTheirSignOnThePoints)
{
    EXPECT_FLOAT_EQ(Parse("-1p6", U::MEASUREMENTUNIT_PICAS), -72.0);
    EXPECT_FLOAT_EQ(Parse("-0p6", U::MEASUREMENTUNIT_PICAS), -24.0);
    EXPECT_FLOAT_EQ(Parse("-2", U::MEASUREMENTUNIT_PICAS), -96.0);
    EXPECT_EQ(Format(-24, U::MEASUREMENTUNIT_PICAS), "-0p6");
}
} // namespace
