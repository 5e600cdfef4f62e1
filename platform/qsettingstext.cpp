// SPDX-License-Identifier: MIT
// qsettingstext.cpp: QSettings' escaping of text values.
#include "qsettingstext.h"

namespace platform {

std::string toQSettingsText(const std::string &text)
{
    if (text.find('\0') != std::string::npos)
        return "@String(" + text + ")";
    return text.starts_with('@') ? '@' + text : text;
}

StoredText fromQSettingsText(const std::string &stored)
{
    if (!stored.starts_with('@'))
        return {StoredText::Text, stored};
    if (stored.starts_with("@@"))
        return {StoredText::Text, stored.substr(1)};
    if (stored.ends_with(')')) {
        if (stored == "@Invalid()")
            return {StoredText::Absent, {}};
        if (stored.starts_with("@String("))
            return {StoredText::Text, stored.substr(8, stored.size() - 9)};
        for (const char *other :
             {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
            if (stored.starts_with(other))
                return {StoredText::OtherType, {}};
    }
    return {StoredText::Text, stored};
}

} // namespace platform
