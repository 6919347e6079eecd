// Run values as REG_SZ under Software\Microsoft\Windows\CurrentVersion\Run.
#include "tasks/RunRegistryWin32.h"

#include <windows.h>

#include "kit/Utf16Win32.h"

namespace mw {

namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY RootOf(RunRegistry::Scope scope) {
    return scope == RunRegistry::kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

bool Win32RunRegistry::SetValue(Scope scope, const std::string& name, const std::string& data) {
    HKEY key = nullptr;
    // A user's own Run key need not exist yet; the machine's always does.
    const LONG opened = scope == kUser
        ? RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        : RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key);
    if (opened != ERROR_SUCCESS) return false;
    const std::wstring text = Widen(data);
    const LONG set = RegSetValueExW(key, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

bool Win32RunRegistry::RemoveValue(Scope scope, const std::string& name) {
    const std::wstring value = Widen(name);
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(RootOf(scope), kRunKey, 0, KEY_SET_VALUE, &key);
    if (result == ERROR_FILE_NOT_FOUND) return true;
    if (result == ERROR_SUCCESS) {
        result = RegDeleteValueW(key, value.c_str());
        RegCloseKey(key);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    // No right to change the key: all is well as long as the value is not there.
    if (RegOpenKeyExW(RootOf(scope), kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    result = RegQueryValueExW(key, value.c_str(), nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return result == ERROR_FILE_NOT_FOUND;
}

}  // namespace mw
