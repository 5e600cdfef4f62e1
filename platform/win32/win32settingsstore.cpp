// SPDX-License-Identifier: MIT
// win32settingsstore.cpp: registry values, a mutex for the copies, and what goes wrong with them.
#include "win32settingsstore.h"

#include "win32util.h"

#include "platform/qsettingstext.h"

namespace platform {

namespace {

std::string keyPath(const std::string &app, const std::string &section)
{
    return "Software\\" + app + "\\" + app + "\\" + section;
}

std::string where(const StoreAddress &address)
{
    const auto &[app, section, key] = address;
    return "HKEY_CURRENT_USER\\" + keyPath(app, section) + "\\" + key;
}

std::string describe(long error)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                           | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : utf8(message);
}

} // namespace

Win32StoreBackend::~Win32StoreBackend()
{
    for (const auto &[app, mutex] : mutexes)
        CloseHandle(mutex);
}

std::optional<std::string> Win32StoreBackend::read(const StoreAddress &address)
{
    const auto &[app, section, key] = address;
    const std::wstring path = wide(keyPath(app, section));
    const std::wstring name = wide(key);
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                  nullptr, nullptr, &bytes);
    if (status == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS) {
        bytes = DWORD(value.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                              value.data(), &bytes);
    }
    value.resize(status == ERROR_SUCCESS ? bytes / sizeof(wchar_t) : 0);
    if (!value.empty() && value.back() == L'\0')
        value.pop_back();
    const StoredText stored = fromQSettingsText(utf8(value));
    if (status == ERROR_SUCCESS && stored.kind != StoredText::OtherType)
        return stored.kind == StoredText::Text ? std::optional(stored.text) : std::nullopt;
    kept.insert(address);
    report({StoreFailure::Unreadable, where(address),
            describe(status == ERROR_SUCCESS ? ERROR_INVALID_DATA : status)});
    return std::nullopt;
}

bool Win32StoreBackend::write(const std::string &,
                              const std::map<StoreAddress, std::string> &values)
{
    bool stored = true;
    for (const auto &[address, value] : values) {
        if (kept.contains(address))
            continue;
        const auto &[app, section, key] = address;
        HKEY handle = nullptr;
        LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, wide(keyPath(app, section)).c_str(), 0,
                                         nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
        if (status == ERROR_SUCCESS) {
            const std::wstring text = wide(toQSettingsText(value));
            status = RegSetValueExW(handle, wide(key).c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE *>(text.c_str()),
                                    DWORD((text.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(handle);
        }
        if (status != ERROR_SUCCESS) {
            report({StoreFailure::Unwritable, where(address), describe(status)});
            stored = false;
        }
    }
    return stored;
}

// A copy that ends while it holds the mutex leaves it abandoned, which the next one takes.
bool Win32StoreBackend::lock(const std::string &app, int ms)
{
    HANDLE &mutex = mutexes[app];
    if (!mutex)
        mutex = CreateMutexW(nullptr, FALSE, wide("Local\\" + app + ".settings").c_str());
    return !mutex || WaitForSingleObject(mutex, DWORD(ms)) != WAIT_TIMEOUT;
}

void Win32StoreBackend::unlock(const std::string &app)
{
    if (HANDLE mutex = mutexes[app])
        ReleaseMutex(mutex);
}

} // namespace platform
