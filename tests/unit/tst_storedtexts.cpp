// SPDX-License-Identifier: MIT
// tst_storedtexts.cpp: what the texts in the settings store stand for, whatever a hand has
// written there: the speed, the value of a score, and a text in the form QSettings stores it.
#include "unittest.h"

#include "fakeplatform.h"
#include "frmmain.h"
#include "platform/qsettingstext.h"

#include <limits>

// Blanks, an optional sign and digits make the speed, clamped to the slider's range; anything
// else is the default. The slider and its label show it from the start, and it is stored back
// at exit.
TEST(speedTexts)
{
    const std::pair<const char *, int> rows[] = {
            {"750", 750}, {" +20 ", 20}, {"-5", 1},    {"951", 950},        {"", 500},
            {"+", 500},   {"+-5", 500},  {"7.5", 500}, {"2147483648", 500}, {"abc", 500},
    };
    for (const auto &[text, speed] : rows)
        unit::row(text, [&] {
            platform::FakePlatform fake;
            fake.store.values["Tolvane/Settings/speed"] = text;
            frmMain form(fake);
            CHECK_EQ(form.lblTimerInterval->caption(), std::to_string(speed));
            form.window->close();
            CHECK_EQ(fake.store.values["Tolvane/Settings/speed"], std::to_string(speed));
        });
}

// A score's leading decimal number, blanks skipped; 0 without one.
TEST(scoreValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string huge = " 1" + std::string(400, '0'), tiny = "." + std::string(400, '0') + "1";
    const std::string minusHuge = "-" + huge.substr(1);
    const std::pair<std::string, double> rows[] = {
            {"12", 12},  {" 12abc", 12}, {"+5", 5},         {"-3", -3}, {"4.5", 4.5},
            {".5", 0.5}, {"5.", 5},      {".", 0},          {"abc", 0}, {"", 0},
            {"1e5", 1},  {huge, inf},    {minusHuge, -inf}, {tiny, 0},
    };
    for (const auto &[text, value] : rows)
        unit::row(text.substr(0, 20), [&] { CHECK_EQ(scoreValue(text), value); });
}

// Texts in the form QSettings stores them, and whether a text is written in that form.
TEST(qsettingsTexts)
{
    using platform::StoredText;
    const std::tuple<std::string, StoredText, bool> rows[] = {
            {"Ann", {StoredText::Text, "Ann"}, true},
            {"@@lex", {StoredText::Text, "@lex"}, true},
            {std::string("@String(a\0b)", 12), {StoredText::Text, std::string("a\0b", 3)}, true},
            {"@String(x)", {StoredText::Text, "x"}, false},
            {"@Rect(", {StoredText::Text, "@Rect("}, false},
            {"@Invalid()", {StoredText::Absent, ""}, false},
            {"@Rect(1 2 3 4)", {StoredText::OtherType, ""}, false},
    };
    for (const auto &[stored, meant, written] : rows)
        unit::row(stored, [&] {
            CHECK_EQ(platform::fromQSettingsText(stored).kind, meant.kind);
            CHECK_EQ(platform::fromQSettingsText(stored).text, meant.text);
            CHECK_EQ(platform::toQSettingsText(meant.text) == stored, written);
        });
}
