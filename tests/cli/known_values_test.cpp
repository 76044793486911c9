// binora-cli's TSV against read-outs known independently: bit patterns written as hex, and
// decimal texts worked out with exact rational arithmetic (the documented examples among them).
// Every kind's values run through one session, in table order, so that nothing read for one
// value may show up in the next (an invalid value after a valid one, ",5" after 1e-45 ...).

#include "cli_test_support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

struct Expected {
    const char* input;
    const char* hex; // empty: the value is invalid and every column after status is empty
    const char* class_text = "";
    const char* value = "";
    // E, E_label, sig, ulp, next_up, next_down, next_up_bits, next_down_bits, epsilon;
    // none for Infinity and NaN, whose parameter list is not offered
    std::vector<const char*> parameters = {};
    // The exact decimal; for a long one its first 45 and last 20 characters around "..."
    // and its whole length.
    const char* exact = "";
    std::size_t exact_length = 0;
};

struct FieldWidths {
    std::size_t exponent;
    std::size_t significand;
};

constexpr std::array<const char*, 9> PARAMETER_COLUMNS = {
    "E",      "E_label", "sig", "ulp", "next_up", "next_down", "next_up_bits", "next_down_bits",
    "epsilon"};

void expect_row(const TsvRow& row, const Expected& expected, const char* kind, FieldWidths widths) {
    SCOPED_TRACE(std::string("input \"") + expected.input + "\"");
    EXPECT_EQ(row.at("input"), expected.input);
    EXPECT_EQ(row.at("kind"), kind);
    if (*expected.hex == '\0') {
        EXPECT_EQ(row.at("status"), "invalid");
        for (std::size_t i = 3; i < row.size(); ++i)
            EXPECT_EQ(row.value(i), "") << row.name(i);
        return;
    }
    EXPECT_EQ(row.at("status"), "ok");
    const std::string bits = bits_of_hex(expected.hex);
    EXPECT_EQ(row.at("sign"), bits.substr(0, 1));
    EXPECT_EQ(row.at("exponent"), bits.substr(1, widths.exponent));
    EXPECT_EQ(row.at("significand"), bits.substr(1 + widths.exponent, widths.significand));
    EXPECT_EQ(row.at("hex"), expected.hex);
    EXPECT_EQ(row.at("class"), expected.class_text);
    EXPECT_EQ(row.at("value"), expected.value);
    for (std::size_t i = 0; i < PARAMETER_COLUMNS.size(); ++i) {
        const char* want = expected.parameters.empty() ? "" : expected.parameters[i];
        EXPECT_EQ(row.at(PARAMETER_COLUMNS[i]), want) << PARAMETER_COLUMNS[i];
    }
    const std::string& exact = row.at("exact");
    if (expected.exact_length == 0) {
        EXPECT_EQ(exact, expected.exact);
    } else {
        const std::string shape = expected.exact;
        const auto dots = shape.find("...");
        EXPECT_EQ(exact.size(), expected.exact_length);
        EXPECT_EQ(exact.substr(0, dots), shape.substr(0, dots));
        const std::string tail = shape.substr(dots + 3);
        EXPECT_TRUE(exact.ends_with(tail)) << exact.substr(exact.size() - tail.size());
    }
}

void check_kind(const char* kind, FieldWidths widths, const std::vector<Expected>& table) {
    std::vector<std::string> inputs;
    for (const auto& expected : table)
        inputs.emplace_back(expected.input);
    const SessionRun run = run_session({"--kind", kind, "--format", "tsv", "--header"}, inputs);
    ASSERT_EQ(run.rows.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        expect_row(run.rows[i], table[i], kind, widths);
}

TEST(KnownValues, Binary32) {
    check_kind("32", {8, 23},
               {
                   {"0.1",
                    "3DCCCCCD",
                    "Normalized Number: Real(4)",
                    "+1.0000000E-01",
                    {"-4", "Representation Exponent (E)", "1.6000000E+00", "7.4505806E-09",
                     "1.0000001E-01", "9.9999994E-02", "0_01111011_10011001100110011001110",
                     "0_01111011_10011001100110011001100", "Epsilon = ULP(1.0)."},
                    "0.100000001490116119384765625"},
                   {"1.0",
                    "3F800000",
                    "Normalized Number: Real(4)",
                    "+1.0000000E+00",
                    {"0", "Representation Exponent (E)", "1.0000000E+00", "1.1920929E-07",
                     "1.0000001E+00", "9.9999994E-01", "0_01111111_00000000000000000000001",
                     "0_01111110_11111111111111111111111", "Epsilon = ULP(1.0)."},
                    "1"},
                   {"0",
                    "00000000",
                    "Signed Zero",
                    "+0.0000000E+00",
                    {"-126", "Representation Exponent (Emin)", "0.0000000E+00", "1.4012985E-45",
                     "1.4012985E-45", "-1.4012985E-45", "0_00000000_00000000000000000000001",
                     "1_00000000_00000000000000000000001", "Epsilon = ULP(1.0)."},
                    "0"},
                   {"-0",
                    "80000000",
                    "Signed Zero",
                    "-0.0000000E+00",
                    {"-126", "Representation Exponent (Emin)", "0.0000000E+00", "1.4012985E-45",
                     "1.4012985E-45", "-1.4012985E-45", "0_00000000_00000000000000000000001",
                     "1_00000000_00000000000000000000001", "Epsilon = ULP(1.0)."},
                    "-0"},
                   {"3.4028235e38",
                    "7F7FFFFF",
                    "Normalized Number: Real(4)",
                    "+3.4028235E+38",
                    {"127", "Representation Exponent (Emax)", "1.9999999E+00", "2.0282410E+31",
                     "Infinity", "3.4028233E+38", "0_11111111_00000000000000000000000",
                     "0_11111110_11111111111111111111110", "Epsilon = ULP(1.0)."},
                    "340282346638528859811704183484516925440"},
                   {"-3.4028235e38",
                    "FF7FFFFF",
                    "Normalized Number: Real(4)",
                    "-3.4028235E+38",
                    {"127", "Representation Exponent (Emax)", "1.9999999E+00", "2.0282410E+31",
                     "-3.4028233E+38", "-Infinity", "1_11111110_11111111111111111111110",
                     "1_11111111_00000000000000000000000", "Epsilon = ULP(1.0)."},
                    "-340282346638528859811704183484516925440"},
                   {"1e-45",
                    "00000001",
                    "Denormalized Number",
                    "+1.4012985E-45",
                    {"-126", "Representation Exponent (Emin)", "1.1920929E-07", "1.4012985E-45",
                     "2.8025969E-45", "0.0000000E+00", "0_00000000_00000000000000000000010",
                     "0_00000000_00000000000000000000000", "Epsilon = ULP(1.0)."},
                    "0.0000000000000000000000000000000000000000000...63818836212158203125",
                    151},
                   {"1.17549435e-38",
                    "00800000",
                    "Normalized Number: Real(4)",
                    "+1.1754944E-38",
                    {"-126", "Representation Exponent (Emin)", "1.0000000E+00", "1.4012985E-45",
                     "1.1754945E-38", "1.1754942E-38", "0_00000001_00000000000000000000001",
                     "0_00000000_11111111111111111111111", "Epsilon = ULP(1.0)."},
                    "0.0000000000000000000000000000000000000117549...72594547271728515625",
                    128},
                   {"Infinity", "7F800000", "Signed Infinity", "+Infinity"},
                   {"abc", ""},
                   {"nan", "7FFFFFFF", "Not-a-Number", "NaN"},
                   {"1e39", ""},
                   {"0x3dcccccd",
                    "3DCCCCCD",
                    "Normalized Number: Real(4)",
                    "+1.0000000E-01",
                    {"-4", "Representation Exponent (E)", "1.6000000E+00", "7.4505806E-09",
                     "1.0000001E-01", "9.9999994E-02", "0_01111011_10011001100110011001110",
                     "0_01111011_10011001100110011001100", "Epsilon = ULP(1.0)."},
                    "0.100000001490116119384765625"},
                   {"0xFFC00000", "FFC00000", "Not-a-Number", "NaN"},
                   {"INF", ""},
                   {"", ""},
                   {"0x1p3", ""},
                   {",5",
                    "00000000",
                    "Signed Zero",
                    "+0.0000000E+00",
                    {"-126", "Representation Exponent (Emin)", "0.0000000E+00", "1.4012985E-45",
                     "1.4012985E-45", "-1.4012985E-45", "0_00000000_00000000000000000000001",
                     "1_00000000_00000000000000000000001", "Epsilon = ULP(1.0)."},
                    "0"},
                   {"1,5",
                    "3F800000",
                    "Normalized Number: Real(4)",
                    "+1.0000000E+00",
                    {"0", "Representation Exponent (E)", "1.0000000E+00", "1.1920929E-07",
                     "1.0000001E+00", "9.9999994E-01", "0_01111111_00000000000000000000001",
                     "0_01111110_11111111111111111111111", "Epsilon = ULP(1.0)."},
                    "1"},
                   {"  2.5  ",
                    "40200000",
                    "Normalized Number: Real(4)",
                    "+2.5000000E+00",
                    {"1", "Representation Exponent (E)", "1.2500000E+00", "2.3841858E-07",
                     "2.5000002E+00", "2.4999998E+00", "0_10000000_01000000000000000000001",
                     "0_10000000_00111111111111111111111", "Epsilon = ULP(1.0)."},
                    "2.5"},
               });
}

TEST(KnownValues, Binary64) {
    check_kind("64", {11, 52},
               {
                   {"0.1",
                    "3FB999999999999A",
                    "Normalized Number: Real(8)",
                    "+1.0000000000000001D-01",
                    {"-4", "Representation Exponent (E)", "1.600000000000000E+00",
                     "1.3877787807814457D-17", "1.0000000000000002D-01", "9.9999999999999992D-02",
                     "0_01111111011_...1001100110011011", "0_01111111011_...1001100110011001",
                     "Epsilon = ULP(1.D0)."},
                    "0.1000000000000000055511151231257827021181583404541015625"},
                   {"1.0",
                    "3FF0000000000000",
                    "Normalized Number: Real(8)",
                    "+1.0000000000000000D+00",
                    {"0", "Representation Exponent (E)", "1.000000000000000E+00",
                     "2.2204460492503131D-16", "1.0000000000000002D+00", "9.9999999999999989D-01",
                     "0_01111111111_...0000000000000001", "0_01111111110_...1111111111111111",
                     "Epsilon = ULP(1.D0)."},
                    "1"},
                   {"0",
                    "0000000000000000",
                    "Signed Zero",
                    "+0.0000000000000000D+00",
                    {"-1022", "Representation Exponent (Emin)", "0.000000000000000E+00",
                     "4.9406564584124654D-324", "4.9406564584124654D-324",
                     "-4.9406564584124654D-324", "0_00000000000_...0000000000000001",
                     "1_00000000000_...0000000000000001", "Epsilon = ULP(1.D0)."},
                    "0"},
                   {"-0",
                    "8000000000000000",
                    "Signed Zero",
                    "-0.0000000000000000D+00",
                    {"-1022", "Representation Exponent (Emin)", "0.000000000000000E+00",
                     "4.9406564584124654D-324", "4.9406564584124654D-324",
                     "-4.9406564584124654D-324", "0_00000000000_...0000000000000001",
                     "1_00000000000_...0000000000000001", "Epsilon = ULP(1.D0)."},
                    "-0"},
                   {"1.7976931348623157e308",
                    "7FEFFFFFFFFFFFFF",
                    "Normalized Number: Real(8)",
                    "+1.7976931348623157D+308",
                    {"1023", "Representation Exponent (Emax)", "2.000000000000000E+00",
                     "1.9958403095347198D+292", "Infinity", "1.7976931348623155D+308",
                     "0_11111111111_...0000000000000000", "0_11111111110_...1111111111111110",
                     "Epsilon = ULP(1.D0)."},
                    "179769313486231570814527423731704356798070567...50404026184124858368",
                    309},
                   {"4.9406564584124654e-324",
                    "0000000000000001",
                    "Denormalized Number",
                    "+4.9406564584124654D-324",
                    {"-1022", "Representation Exponent (Emin)", "2.220446049250313E-16",
                     "4.9406564584124654D-324", "9.8813129168249309D-324", "0.0000000000000000D+00",
                     "0_00000000000_...0000000000000010", "0_00000000000_...0000000000000000",
                     "Epsilon = ULP(1.D0)."},
                    "0.0000000000000000000000000000000000000000000...19718265533447265625",
                    1076},
                   {"2.2250738585072014e-308",
                    "0010000000000000",
                    "Normalized Number: Real(8)",
                    "+2.2250738585072014D-308",
                    {"-1022", "Representation Exponent (Emin)", "1.000000000000000E+00",
                     "4.9406564584124654D-324", "2.2250738585072019D-308",
                     "2.2250738585072009D-308", "0_00000000001_...0000000000000001",
                     "0_00000000000_...1111111111111111", "Epsilon = ULP(1.D0)."},
                    "0.0000000000000000000000000000000000000000000...10924625396728515625",
                    1024},
                   {"-Infinity", "FFF0000000000000", "Signed Infinity", "-Infinity"},
                   {"1e309", ""},
                   {"NaN", "7FFFFFFFFFFFFFFF", "Not-a-Number", "NaN"},
                   {"-nan", "FFFFFFFFFFFFFFFF", "Not-a-Number", "NaN"},
                   {"0x7FF8000000000001", "7FF8000000000001", "Not-a-Number", "NaN"},
                   {"0x3FF0000000000001",
                    "3FF0000000000001",
                    "Normalized Number: Real(8)",
                    "+1.0000000000000002D+00",
                    {"0", "Representation Exponent (E)", "1.000000000000000E+00",
                     "2.2204460492503131D-16", "1.0000000000000004D+00", "1.0000000000000000D+00",
                     "0_01111111111_...0000000000000010", "0_01111111111_...0000000000000000",
                     "Epsilon = ULP(1.D0)."},
                    "1.0000000000000002220446049250313080847263336181640625"},
                   {"1.2.3", ""},
                   {"--1", ""},
               });
}

TEST(KnownValues, Binary128) {
    check_kind(
        "128", {15, 112},
        {
            {"0.1",
             "3FFB999999999999999999999999999A",
             "Normalized Number: Real(16)",
             "+1.000000000000000000000000000000000D-001",
             {"-4", "Representation Exponent (E)", "1.600000000000000000000000000000000E+00",
              "1.203706215242022408159986214115580D-035",
              "1.000000000000000000000000000000000D-001",
              "9.999999999999999999999999999999999D-002", "0_011111111111011_...1001100110011011",
              "0_011111111111011_...1001100110011001", "Epsilon = ULP(1.Q0)."},
             "0."
             "1000000000000000000000000000000000048148248609680896326399448564623182963452541205384"
             "704880998469889163970947265625"},
            {"1",
             "3FFF0000000000000000000000000000",
             "Normalized Number: Real(16)",
             "+1.000000000000000000000000000000000D+000",
             {"0", "Representation Exponent (E)", "1.000000000000000000000000000000000E+00",
              "1.925929944387235853055977942584927D-034",
              "1.000000000000000000000000000000000D+000",
              "9.999999999999999999999999999999999D-001", "0_011111111111111_...0000000000000001",
              "0_011111111111110_...1111111111111111", "Epsilon = ULP(1.Q0)."},
             "1"},
            {"0",
             "00000000000000000000000000000000",
             "Signed Zero",
             "+0.000000000000000000000000000000000D+000",
             {"-16382", "Representation Exponent (Emin)", "0.000000000000000000000000000000000E+00",
              "6.475175119438025110924438958227647D-4966",
              "6.475175119438025110924438958227647D-4966",
              "-6.475175119438025110924438958227647D-4966", "0_000000000000000_...0000000000000001",
              "1_000000000000000_...0000000000000001", "Epsilon = ULP(1.Q0)."},
             "0"},
            {"-0",
             "80000000000000000000000000000000",
             "Signed Zero",
             "-0.000000000000000000000000000000000D+000",
             {"-16382", "Representation Exponent (Emin)", "0.000000000000000000000000000000000E+00",
              "6.475175119438025110924438958227647D-4966",
              "6.475175119438025110924438958227647D-4966",
              "-6.475175119438025110924438958227647D-4966", "0_000000000000000_...0000000000000001",
              "1_000000000000000_...0000000000000001", "Epsilon = ULP(1.Q0)."},
             "-0"},
            {"1.189731495357231765085759326628007e4932",
             "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
             "Normalized Number: Real(16)",
             "+1.189731495357231765085759326628007D+4932",
             {"16383", "Representation Exponent (Emax)", "2.000000000000000000000000000000000E+00",
              "1.145669756344548161919429759370211D+4898", "Infinity",
              "1.189731495357231765085759326628007D+4932", "0_111111111111111_...0000000000000000",
              "0_111111111111110_...1111111111111110", "Epsilon = ULP(1.Q0)."},
             "118973149535723176508575932662800701619646905...72381760403137363968",
             4933},
            {"6.475175119438025110924438958227647e-4966",
             "00000000000000000000000000000001",
             "Denormalized Number",
             "+6.475175119438025110924438958227647D-4966",
             {"-16382", "Representation Exponent (Emin)", "1.925929944387235853055977942584927E-34",
              "6.475175119438025110924438958227647D-4966",
              "1.295035023887605022184887791645529D-4965",
              "0.000000000000000000000000000000000D+000", "0_000000000000000_...0000000000000010",
              "0_000000000000000_...0000000000000000", "Epsilon = ULP(1.Q0)."},
             "0.0000000000000000000000000000000000000000000...41301822662353515625",
             16496},
            {"3.3621031431120935062626778173217526e-4932",
             "00010000000000000000000000000000",
             "Normalized Number: Real(16)",
             "+3.362103143112093506262677817321753D-4932",
             {"-16382", "Representation Exponent (Emin)", "1.000000000000000000000000000000000E+00",
              "6.475175119438025110924438958227647D-4966",
              "3.362103143112093506262677817321753D-4932",
              "3.362103143112093506262677817321752D-4932", "0_000000000000001_...0000000000000001",
              "0_000000000000000_...1111111111111111", "Epsilon = ULP(1.Q0)."},
             "0.0000000000000000000000000000000000000000000...39440250396728515625",
             16384},
            {"Inf", "7FFF0000000000000000000000000000", "Signed Infinity", "+Infinity"},
            {"1e4933", ""},
            {"-NaN", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Not-a-Number", "NaN"},
            {"0x3FFF0000000000000000000000000001",
             "3FFF0000000000000000000000000001",
             "Normalized Number: Real(16)",
             "+1.000000000000000000000000000000000D+000",
             {"0", "Representation Exponent (E)", "1.000000000000000000000000000000000E+00",
              "1.925929944387235853055977942584927D-034",
              "1.000000000000000000000000000000000D+000",
              "1.000000000000000000000000000000000D+000", "0_011111111111111_...0000000000000010",
              "0_011111111111111_...0000000000000000", "Epsilon = ULP(1.Q0)."},
             "1."
             "0000000000000000000000000000000001925929944387235853055977942584927318538101648215388"
             "195239938795566558837890625"},
            {"  .", ""},
        });
}

// The narrow formats, worked out by hand from their fields: binary16 (1, 5, 10 bits, bias
// 15), bfloat16 (1, 8, 7, bias 127), E5M2 (1, 5, 2, bias 15) and E4M3 (1, 4, 3, bias 7, no
// infinities, largest number 448).
TEST(KnownValues, NarrowFormats) {
    check_kind(
        "16", {5, 10},
        {
            {"65504",
             "7BFF",
             "Normalized Number: binary16",
             "+6.5504E+04",
             {"15", "Representation Exponent (Emax)", "1.9990E+00", "3.2000E+01", "Infinity",
              "6.5472E+04", "0_11111_0000000000", "0_11110_1111111110", "Epsilon = ULP(1.0)."},
             "65504"},
            {"5.9604644775390625e-8", // 2^-24, the smallest subnormal number
             "0001",
             "Denormalized Number",
             "+5.9605E-08",
             {"-14", "Representation Exponent (Emin)", "9.7656E-04", "5.9605E-08", "1.1921E-07",
              "0.0000E+00", "0_00000_0000000010", "0_00000_0000000000", "Epsilon = ULP(1.0)."},
             "0.000000059604644775390625"},
            {"1",
             "3C00",
             "Normalized Number: binary16",
             "+1.0000E+00",
             {"0", "Representation Exponent (E)", "1.0000E+00", "9.7656E-04", "1.0010E+00",
              "9.9951E-01", "0_01111_0000000001", "0_01110_1111111111", "Epsilon = ULP(1.0)."},
             "1"},
            {"65520", ""}, // halfway to 2^16: to even, which is beyond the largest
            {"0x7C00", "7C00", "Signed Infinity", "+Infinity"},
        });
    check_kind(
        "bf16", {8, 7},
        {
            {"0.333333333333333333",
             "3EAB",
             "Normalized Number: bfloat16",
             "+3.340E-01",
             {"-2", "Representation Exponent (E)", "1.336E+00", "1.953E-03", "3.359E-01",
              "3.320E-01", "0_01111101_0101100", "0_01111101_0101010", "Epsilon = ULP(1.0)."},
             "0.333984375"},
        });
    check_kind("e5m2", {5, 2},
               {
                   {"57344",
                    "7B",
                    "Normalized Number: E5M2",
                    "+5.7E+04",
                    {"15", "Representation Exponent (Emax)", "1.8E+00", "8.2E+03", "Infinity",
                     "4.9E+04", "0_11111_00", "0_11110_10", "Epsilon = ULP(1.0)."},
                    "57344"},
                   {"0x01",
                    "01",
                    "Denormalized Number",
                    "+1.5E-05",
                    {"-14", "Representation Exponent (Emin)", "2.5E-01", "1.5E-05", "3.1E-05",
                     "0.0E+00", "0_00000_10", "0_00000_00", "Epsilon = ULP(1.0)."},
                    "0.0000152587890625"},
                   {"61440", ""},
               });
    const Expected largest_e4m3 = {"448",
                                   "7E",
                                   "Normalized Number: E4M3",
                                   "+4.48E+02",
                                   {"8", "Representation Exponent (Emax)", "1.75E+00", "3.20E+01",
                                    "none", "4.16E+02", "none", "0_1111_101",
                                    "Epsilon = ULP(1.0)."},
                                   "448"};
    Expected halfway_e4m3 = largest_e4m3;
    halfway_e4m3.input = "464"; // halfway to 480: to even, 448
    check_kind("e4m3", {4, 3},
               {
                   largest_e4m3,
                   halfway_e4m3,
                   {"480", ""},
                   {"-Inf", ""}, // no infinities
                   {"nan", "7F", "Not-a-Number", "NaN"},
                   {"1e-3",
                    "01",
                    "Denormalized Number",
                    "+1.95E-03",
                    {"-6", "Representation Exponent (Emin)", "1.25E-01", "1.95E-03", "3.91E-03",
                     "0.00E+00", "0_0000_010", "0_0000_000", "Epsilon = ULP(1.0)."},
                    "0.001953125"},
               });
}

} // namespace
} // namespace binora::cli::testing
