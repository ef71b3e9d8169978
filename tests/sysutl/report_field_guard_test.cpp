// The count of the report's NaN and Infinity fields: every way the formatting kit writes a number
// field, what is no number field (texts, asterisks of a field too narrow), records on other units,
// and the section the first one stands in as the writer's heading test names it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "sysutl/fortran_format.h"
#include "sysutl/report_field_guard.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Int kReport = DISK_UNIT;
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// A heading test of the count's own: a line "# title" opens the section "title".
std::string_view hash_heading(std::string_view line) {
    return line.size() > 2 && line.substr(0, 2) == "# " ? line.substr(2) : std::string_view{};
}

class ReportFieldGuard : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        capture_unit(kReport);
        start_report_field_count(kReport, hash_heading);
    }
    void TearDown() override {
        stop_report_field_count();
        ConsoleTest::TearDown();
    }
};

TEST_F(ReportFieldGuard, EveryNumberFieldOfNaNOrInfinityCountsAndNothingElseDoes) {
    struct Case {
        const char* what;
        std::function<std::string()> record;
        long long fields;
    };
    const Case cases[] = {
        {"F of NaN", [] { return Record().x(1).F(kNaN, 8, 2).str(); }, 1},
        {"F of Infinity", [] { return Record().F(kInf, 11, 2).str(); }, 1},
        {"F of -Infinity, too narrow for the word", [] { return Record().F(-kInf, 3, 1).str(); }, 1},
        {"E of NaN", [] { return Record().E(kNaN, 9, 2).str(); }, 1},
        {"1PE of Infinity", [] { return Record().PE(kInf, 9, 2).str(); }, 1},
        {"G of NaN", [] { return fmt_G(kNaN, 12, 5); }, 1},
        {"I of a finite value", [] { return fmt_I(12, 4); }, 0},
        {"a double NaN", [] { return fmt_F(std::numeric_limits<double>::quiet_NaN(), 8, 2); }, 1},
        {"three fields of a row, one of them good", [] { return Record().F(kNaN, 8, 2).F(1.0f, 8, 2).PE(-kInf, 9, 2).str(); }, 2},
        {"the format interpreter", [] { return format_line("(1X,F8.2,E12.4,F8.2)", {kNaN, kInf, 2.5f}); }, 2},
        {"the format interpreter under SP", [] { return format_line("(SP,F9.2)", {kInf}); }, 1},
        {"list-directed output", [] { return list_record({FmtItem(kNaN), FmtItem(1.5f), FmtItem(-kInf)}); }, 2},
        // No number field: the text the zero-frequency rows show for their period, a value too wide
        // for its field, the largest float in exponent form, a text that reads "NaN".
        {"the zero-frequency row's period text", [] { return Record().x(1).F(0.0f, 6, 4).t(13).put("Infinity").str(); }, 0},
        {"asterisks of a field too narrow", [] { return Record().F(1.0e30f, 8, 2).str(); }, 0},
        {"the largest float", [] { return Record().PE(std::numeric_limits<float>::max(), 9, 2).str(); }, 0},
        {"a text", [] { return format_line("(A)", {std::string("NaN Infinity")}); }, 0},
    };
    long long total = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write_record(kReport, c.record());
        total += c.fields;
        EXPECT_EQ(report_non_finite_fields().count, total);
    }
}

TEST_F(ReportFieldGuard, FieldsOfRecordsOnOtherUnitsDoNotCountNorLeakIntoTheNextReportRecord) {
    write_record(SCREEN_UNIT, Record().F(kNaN, 8, 2).str());
    write_partial(SILENT_UNIT, Record().PE(kInf, 9, 2).str());
    write_record(kReport, Record().F(1.0f, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 0);
    // A field formatted for the console and a report record written next: the console's record was
    // written first, so the report record holds none.
    const std::string console = Record().F(kNaN, 8, 2).str();
    write_record(SCREEN_UNIT, console);
    write_record(kReport, "  a line of text");
    EXPECT_EQ(report_non_finite_fields().count, 0);
    // A prompt left open on the report unit (a report on the console) counts like a record.
    write_partial(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 1);
}

TEST_F(ReportFieldGuard, CountsOnlyWhileStartedAndStartsAfresh) {
    stop_report_field_count();
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 0);
    start_report_field_count(kReport, hash_heading);
    write_record(kReport, "# Ia. Coefficients");
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    stop_report_field_count();
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    // What the stopped count found stays readable.
    EXPECT_EQ(report_non_finite_fields().count, 1);
    // A new start forgets the old count and the old section.
    start_report_field_count(kReport, hash_heading);
    EXPECT_EQ(report_non_finite_fields().count, 0);
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().first_section, "");
    // A count on another unit: the report unit's records no longer count.
    start_report_field_count(SCREEN_UNIT, hash_heading);
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 0);
    write_record(SCREEN_UNIT, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 1);
}

TEST_F(ReportFieldGuard, FirstSectionIsTheLastHeadingBeforeTheFirstField) {
    write_record(kReport, Record().F(1.0f, 8, 2).str());
    write_record(kReport, "# first");
    write_record(kReport, Record().F(2.0f, 8, 2).str());
    write_record(kReport, "# second");
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    write_record(kReport, "# third");
    write_record(kReport, Record().F(kNaN, 8, 2).F(kNaN, 8, 2).str());
    const NonFiniteFields found = report_non_finite_fields();
    EXPECT_EQ(found.count, 3);
    EXPECT_EQ(found.first_section, "second");
    // A heading on another unit opens no section of the report.
    start_report_field_count(kReport, hash_heading);
    write_record(kReport, "# report");
    write_record(SCREEN_UNIT, "# console");
    write_record(kReport, Record().F(kInf, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().first_section, "report");
}

TEST_F(ReportFieldGuard, OnTheTitlePageBeforeAnyHeadingOrWithoutAHeadingTest) {
    write_record(kReport, Record().put(" Case title ").F(kInf, 8, 2).str());
    write_record(kReport, "# Ia. Coefficients");
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 2);
    EXPECT_EQ(report_non_finite_fields().first_section, "");
    start_report_field_count(kReport, nullptr);
    write_record(kReport, "# Ia. Coefficients");
    write_record(kReport, Record().F(kNaN, 8, 2).str());
    EXPECT_EQ(report_non_finite_fields().count, 1);
    EXPECT_EQ(report_non_finite_fields().first_section, "");
}

}  // namespace
}  // namespace brevant
