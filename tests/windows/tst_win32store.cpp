// SPDX-License-Identifier: MIT
// tst_win32store.cpp: the registry store under Wine: absent values, values of another type
// (reported once and left as they were), and texts in QSettings' form.
#include "unittest.h"

#include "fakeplatform.h"
#include "win32settingsstore.h"

#include <windows.h>

using platform::FakePlatform;
using platform::Win32SettingsStore;

namespace {

const std::string app = "TolvaneTest";
const wchar_t *const settingsKey = L"Software\\TolvaneTest\\TolvaneTest\\Settings";

DWORD storedType(const wchar_t *name)
{
    DWORD type = REG_NONE;
    RegGetValueW(HKEY_CURRENT_USER, settingsKey, name, RRF_RT_ANY, &type, nullptr, nullptr);
    return type;
}

std::wstring storedText(const wchar_t *name)
{
    wchar_t text[64] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, settingsKey, name, RRF_RT_REG_SZ, nullptr, text, &bytes);
    return text;
}

} // namespace

TEST(absentValueGivesTheFallback)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
    FakePlatform fake;
    Win32SettingsStore store(fake);
    CHECK_EQ(store.read(app, "Settings", "speed", "500"), "500");
    CHECK(fake.boxes.empty());
}

TEST(valueOfAnotherTypeIsReportedOnceAndKept)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, settingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    const DWORD number = 300;
    RegSetValueExW(key, L"speed", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                   sizeof number);
    RegCloseKey(key);

    FakePlatform fake;
    Win32SettingsStore store(fake);
    CHECK_EQ(store.read(app, "Settings", "speed", "500"), "500");
    CHECK_EQ(store.read(app, "Settings", "speed", "500"), "500");
    CHECK_EQ(fake.boxes.size(), 1u);
    store.write(app, "Settings", "speed", "500");
    CHECK_EQ(storedType(L"speed"), DWORD(REG_DWORD));
}

TEST(textsInQSettingsForm)
{
    FakePlatform fake;
    Win32SettingsStore store(fake);
    store.write(app, "Settings", "name", "@lex");
    CHECK(storedText(L"name") == L"@@lex");
    CHECK_EQ(store.read(app, "Settings", "name", ""), "@lex");
    CHECK(fake.boxes.empty());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
}
