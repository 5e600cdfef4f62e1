// SPDX-License-Identifier: MIT
// tst_storedtexts.cpp: texts from the settings store, whatever a hand or another program put there.
#include "unittest.h"

#include "platform/qsettingstext.h"

#include "highscores.h"
#include "speedtext.h"

#include <limits>

TEST(speed)
{
    const std::vector<std::pair<std::string, int>> rows{
            {"750", 750},   {"  42 ", 42},       {"+300", 300},       {"0", 1},     {"-20", 1},
            {"99999", 950}, {"2147483647", 950}, {"2147483648", 500}, {"", 500},    {"   ", 500},
            {"abc", 500},   {"12abc", 500},      {"1e3", 500},        {"2.5", 500}, {"+-5", 500},
            {"-", 500},     {"7 5", 500},        {"0x10", 500},
    };
    for (const auto &[text, value] : rows) {
        unit::Row row(text);
        CHECK_EQ(speedFromText(text), value);
    }
}

TEST(scoreValueOfText)
{
    const std::vector<std::pair<std::string, double>> rows{
            {"12", 12.0},
            {" 12abc", 12.0},
            {"-3", -3.0},
            {"+7", 7.0},
            {"3.5", 3.5},
            {".5", 0.5},
            {"abc", 0.0},
            {"", 0.0},
            {"-", 0.0},
            {".", 0.0},
            {"1e3", 1.0},
            {"- 5", 0.0},
            {std::string(400, '9'), std::numeric_limits<double>::infinity()},
            {"-" + std::string(400, '9'), -std::numeric_limits<double>::infinity()},
            {"0." + std::string(400, '0') + "1", 0.0}, // too small: its value, not infinity
            {"-." + std::string(400, '0') + "1", 0.0},
    };
    for (const auto &[text, value] : rows) {
        unit::Row row(text.substr(0, 20));
        CHECK_EQ(scoreValue(text), value);
    }
}

TEST(rowKeys)
{
    CHECK_EQ("score" + rowSuffix(1), "score 1");
    CHECK_EQ("name" + rowSuffix(10), "name 10");
    CHECK_EQ("date" + rowSuffix(10), "date 10");
}

TEST(mediumDateText)
{
    const std::vector<std::pair<platform::Date, std::string>> rows{
            {{2026, 12, 5}, "05-Dec-26"}, // day and year keep their zeros
            {{2000, 1, 31}, "31-Jan-00"},
            {{2009, 5, 10}, "10-May-09"},
            {{1999, 9, 30}, "30-Sep-99"},
    };
    for (const auto &[date, text] : rows) {
        unit::Row row(text);
        CHECK_EQ(mediumDate(date), text);
    }
}

// Texts as QSettings stores them, so that both builds read each other's values exactly.
TEST(qsettingsTexts)
{
    using platform::StoredText;
    const std::vector<std::pair<std::string, std::string>> both{
            {"Ann", "Ann"},    {"", ""},
            {"@lex", "@@lex"}, {"@Variant(x)", "@@Variant(x)"},
            {"@@", "@@@"},     {std::string("a\0b", 3), std::string("@String(a\0b)", 12)},
    };
    for (const auto &[text, stored] : both) {
        unit::Row row(stored);
        CHECK_EQ(platform::toQSettingsText(text), stored);
        CHECK_EQ(platform::fromQSettingsText(stored).kind, StoredText::Text);
        CHECK_EQ(platform::fromQSettingsText(stored).text, text);
    }
    const std::vector<std::pair<std::string, StoredText>> readOnly{
            {"@lone", {StoredText::Text, "@lone"}},
            {"@String(x)", {StoredText::Text, "x"}},
            {"@Invalid()", {StoredText::Absent, ""}},
            {"@Variant(\x01)", {StoredText::OtherType, ""}},
            {"@Rect(1 2 3 4)", {StoredText::OtherType, ""}},
            {"@ByteArray(x)", {StoredText::OtherType, ""}},
    };
    for (const auto &[stored, expected] : readOnly) {
        unit::Row row(stored);
        CHECK_EQ(platform::fromQSettingsText(stored).kind, expected.kind);
        CHECK_EQ(platform::fromQSettingsText(stored).text, expected.text);
    }
}
