// SPDX-License-Identifier: MIT
// tst_storedtexts.cpp: texts as they go into the settings store and come out of it, on each
// system's own libraries.
#include "unittest.h"

#include "platform/qsettingstext.h"

#include "highscores.h"

#include <limits>

TEST(scoreValueAtTheEdgesOfDouble)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> rows[] = {
            {" 12abc", 12.0},
            {"+7", 7.0},
            {".5", 0.5},
            {"1e3", 1.0},
            {"- 5", 0.0},
            {std::string(400, '9'), infinity},
            {"-" + std::string(400, '9'), -infinity},
            {"0." + std::string(400, '0') + "1", 0.0}, // too small: its value, not infinity
    };
    for (const auto &[text, value] : rows)
        unit::row(text.substr(0, 20), [&] { CHECK_EQ(scoreValue(text), value); });
}

// Texts as QSettings stores them, so that both builds read each other's values exactly.
TEST(qsettingsTexts)
{
    using platform::StoredText;
    const std::pair<std::string, std::string> both[] = {
            {"Ann", "Ann"},
            {"", ""},
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
            {"@lone", {StoredText::Text, "@lone"}},
            {"@String(x)", {StoredText::Text, "x"}},
            {"@Invalid()", {StoredText::Absent, ""}},
            {"@Rect(1 2 3 4)", {StoredText::OtherType, ""}},
    };
    for (const auto &[stored, expected] : readOnly)
        unit::row(stored, [&] {
            CHECK_EQ(platform::fromQSettingsText(stored).kind, expected.kind);
            CHECK_EQ(platform::fromQSettingsText(stored).text, expected.text);
        });
}
