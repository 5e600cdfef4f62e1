// SPDX-License-Identifier: MIT
// fakestore.h: the settings store as a map from "app/section/key" (as "Tolvane/Scores/score 1"),
// with every read and write logged in order.
#pragma once

#include "platform/settingsstore.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

class FakeStore final : public SettingsStore
{
public:
    std::string read(const std::string &app, const std::string &section, const std::string &key,
                     const std::string &fallback) override
    {
        const auto found = values.find(reads.emplace_back(app + "/" + section + "/" + key));
        return found == values.end() ? fallback : found->second;
    }
    void write(const std::string &app, const std::string &section, const std::string &key,
               const std::string &value) override
    {
        values[writes.emplace_back(app + "/" + section + "/" + key, value).first] = value;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::pair<std::string, std::string>> writes;
};

} // namespace platform
