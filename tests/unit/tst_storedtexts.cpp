// SPDX-License-Identifier: MIT
// tst_storedtexts.cpp: what the texts in the settings store stand for, whatever a hand has
// written there: the speed, the value of a score, and a text in the form QSettings stores it.
#include "unittest.h"

#include "gameplay.h"
#include "platform/qsettingstext.h"

#include <limits>

// Blanks, an optional sign and digits make the speed, clamped to the slider's range; anything
// else is the default. The slider and its label show it from the start, and it is stored back
// at exit.
TEST_CASE("speedTexts")
{
    const std::pair<const char *, int> rows[] = {
            {"750", 750}, {" +20 ", 20}, {"-5", 1},    {"951", 950},        {"", 500},
            {"+", 500},   {"+-5", 500},  {"7.5", 500}, {"2147483648", 500}, {"abc", 500},
    };
    for (const auto &[text, speed] : rows) {
        INFO(std::string(text));
        platform::FakePlatform fake;
        fake.store.values["Tolvane/Settings/speed"] = text;
        frmMain form(fake);
        CHECK_EQ(form.lblTimerInterval->caption(), std::to_string(speed));
        form.window->close();
        CHECK_EQ(fake.store.values["Tolvane/Settings/speed"], std::to_string(speed));
    }
}

// The speed is stored once the slider has rested a moment after a change, a drag once, and at
// exit unless another copy stored one since this copy last did and this one has set none since:
// the copy that set it last keeps it. The steps from a start with nothing stored, the speed
// stored after them, and how often it was stored.
TEST_CASE("speedStored")
{
    const std::tuple<const char *, const char *, const char *, long> rows[] = {
            {"not before the slider rests", "speed 600, wait 100, speed 700, wait 299", "", 0},
            {"a drag once it rests", "speed 600, wait 100, speed 700, wait 300", "700", 1},
            {"at exit, set a moment before", "speed 600, exit", "600", 1},
            {"at exit, nothing stored yet", "exit", "500", 1},
            {"at exit again", "speed 600, wait 300, exit", "600", 2},
            {"not over another's, set since", "speed 600, wait 300, other 700, exit", "700", 1},
            {"not over another copy's, set since start", "other 700, exit", "700", 0},
            {"over another copy's, set a moment before", "other 700, speed 600, exit", "600", 1},
    };
    for (const auto &[tag, steps, speed, saves] : rows) {
        INFO(std::string(tag));
        platform::FakePlatform fake;
        frmMain form(fake);
        play(fake, form, steps);
        CHECK_EQ(fake.store.values["Tolvane/Settings/speed"], speed);
        const auto holdsSpeed = [](const auto &save) {
            return std::ranges::count(save, "Tolvane/Settings/speed") > 0;
        };
        CHECK_EQ(std::ranges::count_if(fake.store.saves, holdsSpeed), saves);
    }
}

// A score's leading decimal number, blanks skipped; 0 without one.
TEST_CASE("scoreValues")
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string huge = " 1" + std::string(400, '0'), tiny = "." + std::string(400, '0') + "1";
    const std::string minusHuge = "-" + huge.substr(1);
    const std::pair<std::string, double> rows[] = {
            {"12", 12},  {" 12abc", 12}, {"+5", 5},         {"-3", -3}, {"4.5", 4.5},
            {".5", 0.5}, {"5.", 5},      {".", 0},          {"abc", 0}, {"", 0},
            {"1e5", 1},  {huge, inf},    {minusHuge, -inf}, {tiny, 0},
    };
    for (const auto &[text, value] : rows) {
        INFO(text.substr(0, 20));
        CHECK_EQ(scoreValue(text), value);
    }
}

// Texts in the form QSettings stores them, and whether a text is written in that form.
TEST_CASE("qsettingsTexts")
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
    for (const auto &[stored, meant, written] : rows) {
        INFO(stored);
        CHECK_EQ(platform::fromQSettingsText(stored).kind, meant.kind);
        CHECK_EQ(platform::fromQSettingsText(stored).text, meant.text);
        CHECK_EQ(platform::toQSettingsText(meant.text) == stored, written);
    }
}
