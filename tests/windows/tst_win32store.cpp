// SPDX-License-Identifier: MIT
// tst_win32store.cpp: the registry store under Wine: absent values, values of another type
// (told once and left as they were), texts in the form QSettings gives them, so that both
// builds read each other's values exactly, and the mutex that holds another copy off.
#include "unittest.h"

#include "win32settingsstore.h"

#include <windows.h>

namespace {

const char *const settingsKey = "Software\\TolvaneTest\\TolvaneTest\\Settings";

// The stored value's registry type and, for a text, the text: "1 Ann" (REG_SZ), "4" (REG_DWORD).
std::string stored(const char *name)
{
    DWORD type = REG_NONE;
    char text[64] = {};
    DWORD bytes = sizeof text;
    RegGetValueA(HKEY_CURRENT_USER, settingsKey, name, RRF_RT_ANY, &type, text, &bytes);
    std::string shown = std::to_string(type);
    if (type == REG_SZ)
        shown.append(" ").append(text);
    return shown;
}

} // namespace

TEST_CASE("registryValues")
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
    std::vector<platform::StoreFailure> failures;
    platform::Win32StoreBackend backend;
    platform::SettingsStore store(backend);
    store.onFailure = [&](const platform::StoreFailure &failure) { failures.push_back(failure); };
    CHECK_EQ(store.read("TolvaneTest", "Settings", "speed", "500"), "500");
    store.write("TolvaneTest", "Settings", "name", "@lex");
    CHECK_EQ(stored("name"), "1 @@lex");
    CHECK_EQ(store.read("TolvaneTest", "Settings", "name", ""), "@lex");
    CHECK(failures.empty());

    const DWORD number = 300;
    RegSetKeyValueA(HKEY_CURRENT_USER, settingsKey, "speed", REG_DWORD, &number, sizeof number);
    CHECK_EQ(store.read("TolvaneTest", "Settings", "speed", "500"), "500");
    store.write("TolvaneTest", "Settings", "speed", "600");
    CHECK_EQ(failures.size(), 1u);
    CHECK_EQ(failures[0].kind, platform::StoreFailure::Unreadable);
    CHECK_EQ(stored("speed"), "4");

    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TolvaneTest");
}

// Another copy of the program, as a thread of this one: a mutex is a thread's.
struct Other
{
    platform::Win32StoreBackend backend;
    HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE letGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

DWORD WINAPI hold(void *context)
{
    auto &other = *static_cast<Other *>(context);
    other.backend.lock("TolvaneTest", 0);
    SetEvent(other.holding);
    WaitForSingleObject(other.letGo, INFINITE);
    other.backend.unlock("TolvaneTest");
    return 0;
}

// Another copy holding the store keeps this one waiting, then off, until it lets go.
TEST_CASE("otherCopyHolds")
{
    Other other;
    HANDLE thread = CreateThread(nullptr, 0, hold, &other, 0, nullptr);
    WaitForSingleObject(other.holding, INFINITE);
    platform::Win32StoreBackend backend;
    CHECK(!backend.lock("TolvaneTest", 50));
    SetEvent(other.letGo);
    WaitForSingleObject(thread, INFINITE);
    CHECK(backend.lock("TolvaneTest", 50));
    backend.unlock("TolvaneTest");
    for (HANDLE handle : {thread, other.holding, other.letGo})
        CloseHandle(handle);
}
