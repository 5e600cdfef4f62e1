// SPDX-License-Identifier: MIT
// realstore.h: the fake platform with the real settings store: whole games in virtual time,
// saved to a real settings file.
#pragma once

#include "fakeplatform.h"
#include "qtsettingsstore.h"

class RealStorePlatform : public platform::FakePlatform
{
public:
    platform::SettingsStore &settingsStore() override { return store; }
    platform::QtSettingsStore store{*this};
};
