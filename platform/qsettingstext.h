// SPDX-License-Identifier: MIT
// qsettingstext.h: a text value in the form QSettings stores it, so that a store kept
// without Qt reads and writes the same values as the Qt build on the same account.
#pragma once

#include <string>

namespace platform {

// A text starting with "@" gets a second "@"; a text holding a NUL is wrapped in "@String()".
std::string toQSettingsText(const std::string &text);

struct StoredText
{
    enum Kind { Text, Absent, OtherType } kind;
    std::string text;
};

// What a stored value stands for: a text, no value ("@Invalid()"), or a value of another
// type (a number, a byte array, a serialised variant) that this program never writes.
StoredText fromQSettingsText(const std::string &stored);

} // namespace platform
