// SPDX-License-Identifier: MIT
// tst_storedtexts.cpp: what the texts in the settings store stand for, whatever a hand has
// written there: the speed, the value of a score, and a text in the form QSettings stores it.
#include "unittest.h"

#include "highscores.h"
#include "platform/qsettingstext.h"
#include "speed.h"

#include <limits>

// Blanks, an optional sign and digits make the speed, clamped to the slider's range; anything
// else is the default.
TEST(speedTexts)
{
    const std::pair<const char *, int> rows[] = {
            {"750", 750}, {" +20 ", 20}, {"-5", 1}, {"951", 950}, {"", 500}, {"+", 500},
            {"+-5", 500}, {"7.5", 500}, {"2147483648", 500}, {"abc", 500},
    };
    for (const auto &[text, speed] : rows)
        unit::row(text, [&] { CHECK_EQ(speedFromText(text), speed); });
}

// A score's leading decimal number, blanks skipped; 0 without one.
TEST(scoreValues)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const std::string huge = "1" + std::string(400, '0');
    const std::pair<std::string, double> rows[] = {
            {"12", 12},      {" 12abc", 12}, {"+5", 5},          {"-3", -3},
            {"4.5", 4.5},    {".5", 0.5},    {"5.", 5},          {".", 0},
            {"abc", 0},      {"", 0},        {"1e5", 1},         {huge, infinity},
            {"-" + huge, -infinity},         {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto &[text, value] : rows)
        unit::row(text.substr(0, 20), [&] { CHECK_EQ(scoreValue(text), value); });
}

// A text in the form QSettings stores it, both ways, and forms only QSettings writes.
TEST(qsettingsTexts)
{
    using platform::StoredText;
    const std::pair<std::string, std::string> both[] = {
            {"Ann", "Ann"},
            {"@lex", "@@lex"},
            {"@@", "@@@"},
            {std::string("a\0b", 3), std::string("@String(a\0b)", 12)},
    };
    for (const auto &[text, stored] : both)
        unit::row(stored, [&] {
            CHECK_EQ(platform::toQSettingsText(text), stored);
            CHECK_EQ(platform::fromQSettingsText(stored).kind, StoredText::Text);
            CHECK_EQ(platform::fromQSettingsText(stored).text, text);
        });
    const std::pair<std::string, StoredText> readOnly[] = {
            {"@String(x)", {StoredText::Text, "x"}},
            {"@Invalid()", {StoredText::Absent, ""}},
            {"@Rect(1 2 3 4)", {StoredText::OtherType, ""}},
            {"@Rect(", {StoredText::Text, "@Rect("}},
    };
    for (const auto &[stored, expected] : readOnly)
        unit::row(stored, [&] {
            CHECK_EQ(platform::fromQSettingsText(stored).kind, expected.kind);
            CHECK_EQ(platform::fromQSettingsText(stored).text, expected.text);
        });
}
