// SPDX-License-Identifier: MIT
// tst_win32store.cpp: the registry store under Wine: absent values, values of another type
// (reported once and left as they were), and texts in the form QSettings gives them, so that
// both builds read each other's values exactly.
#include "unittest.h"

#include "fakeplatform.h"
#include "win32settingsstore.h"

#include <windows.h>

namespace {

const wchar_t *const settingsKey = L"Software\\TolvaneTest\\TolvaneTest\\Settings";

// The stored value's registry type and, for a text, the text.
std::pair<DWORD, std::wstring> stored(const wchar_t *name)
{
    DWORD type = REG_NONE;
    wchar_t text[64] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, settingsKey, name, RRF_RT_ANY, &type, text, &bytes);
    return {type, type == REG_SZ ? text : L""};
}

} // namespace

TEST(registryValues)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
    platform::FakePlatform fake;
    platform::Win32SettingsStore store(fake);
    CHECK_EQ(store.read("TolvaneTest", "Settings", "speed", "500"), "500");
    store.write("TolvaneTest", "Settings", "name", "@lex");
    CHECK(stored(L"name") == std::make_pair(DWORD(REG_SZ), std::wstring(L"@@lex")));
    CHECK_EQ(store.read("TolvaneTest", "Settings", "name", ""), "@lex");
    CHECK(fake.boxes.empty());

    const DWORD number = 300;
    RegSetKeyValueW(HKEY_CURRENT_USER, settingsKey, L"speed", REG_DWORD, &number, sizeof number);
    platform::Win32SettingsStore again(fake);
    CHECK_EQ(again.read("TolvaneTest", "Settings", "speed", "500"), "500");
    CHECK_EQ(again.read("TolvaneTest", "Settings", "speed", "500"), "500");
    again.write("TolvaneTest", "Settings", "speed", "500");
    CHECK_EQ(fake.boxes.size(), 1u);
    CHECK(fake.boxes[0].starts_with("(!) TolvaneTest: "));
    CHECK(stored(L"speed").first == REG_DWORD);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
}
