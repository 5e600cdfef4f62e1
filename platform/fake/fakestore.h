// SPDX-License-Identifier: MIT
// fakestore.h: the settings store as a map, with every write logged in order.
#pragma once

#include "platform/settingsstore.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

class FakeStore final : public SettingsStore
{
public:
    // "Tolvane/Scores/score 1"
    static std::string address(const std::string &app, const std::string &section,
                               const std::string &key)
    {
        return app + "/" + section + "/" + key;
    }

    std::string read(const std::string &app, const std::string &section, const std::string &key,
                     const std::string &fallback) override
    {
        reads.push_back(address(app, section, key));
        const auto it = values.find(reads.back());
        return it == values.end() ? fallback : it->second;
    }

    void write(const std::string &app, const std::string &section, const std::string &key,
               const std::string &value) override
    {
        const std::string where = address(app, section, key);
        values[where] = value;
        writes.emplace_back(where, value);
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::pair<std::string, std::string>> writes;
};

} // namespace platform
