// SPDX-License-Identifier: MIT
// win32settingsstore.cpp: registry values, with failures told to the player.
#include "win32settingsstore.h"

#include "win32util.h"

#include "platform/qsettingstext.h"
#include "platform/services.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring keyPath(const std::string &app, const std::string &section)
{
    return wide("Software\\" + app + "\\" + app + "\\" + section);
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

std::string Win32SettingsStore::read(const std::string &app, const std::string &section,
                                     const std::string &key, const std::string &fallback)
{
    const std::wstring path = keyPath(app, section);
    const std::wstring name = wide(key);
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                  nullptr, nullptr, &bytes);
    if (status == ERROR_FILE_NOT_FOUND)
        return fallback;
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
        return stored.kind == StoredText::Text ? stored.text : fallback;
    // A value of another type, or one that cannot be read, is left as it is.
    kept.insert(app + "\\" + section + "\\" + key);
    report(app, readReported, "read its settings from",
           status == ERROR_SUCCESS ? ERROR_INVALID_DATA : status);
    return fallback;
}

void Win32SettingsStore::write(const std::string &app, const std::string &section,
                               const std::string &key, const std::string &value)
{
    if (kept.contains(app + "\\" + section + "\\" + key))
        return;
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(app, section).c_str(), 0, nullptr,
                                     0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        const std::wstring text = wide(toQSettingsText(value));
        status = RegSetValueExW(handle, wide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE *>(text.c_str()),
                                DWORD((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS)
        report(app, writeReported, "save its settings to", status);
}

void Win32SettingsStore::report(const std::string &app, bool &reported, const std::string &what,
                                long error)
{
    if (reported)
        return;
    reported = true;
    services.messageBox(
            app + " could not " + what + "\r\nHKEY_CURRENT_USER\\Software\\" + app + "\\" + app
                    + "\r\n(" + describe(error)
                    + ").\r\n\r\nThe game goes on; what could not be read is left as it is.",
            app, BoxIcon::Exclamation);
}

} // namespace platform
