// The FTP client through WinINet, with the system's proxy settings.
#include "update/FtpGetWin32.h"

#include "kit/Utf16Win32.h"

namespace mw {

namespace {

// A server that answers and then stalls must not hold the check (and every later one) forever.
constexpr DWORD kTimeoutMs = 30000;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

CFtpGet::CFtpGet(const std::string& applicationTitle)
    : internet_(InternetOpenW(Widen(applicationTitle).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)) {
    if (!internet_) return;
    DWORD timeout = kTimeoutMs;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
        InternetSetOptionW(internet_, option, &timeout, sizeof timeout);
}

CFtpGet::~CFtpGet() {
    Disconnect();
    if (internet_) InternetCloseHandle(internet_);
}

bool CFtpGet::Connect(const std::string& server) {
    std::string host;
    int port = 0;
    if (!internet_ || !ParseServerAddress(server, host, port)) return false;
    Disconnect();
    // Anonymous when no login is set; flags 0 is active mode.
    const std::wstring user = user_.empty() || password_.empty() ? L"" : Widen(user_);
    const std::wstring password = user.empty() ? L"" : Widen(password_);
    connection_ = InternetConnectW(internet_, Widen(host).c_str(), static_cast<INTERNET_PORT>(port), OrNull(user),
                                   OrNull(password), INTERNET_SERVICE_FTP, 0, 0);
    return connection_ != nullptr;
}

bool CFtpGet::GetFile(const std::string& remotePath, const std::string& localPath) {
    if (!connection_) return false;
    return FtpGetFileW(connection_, Widen(remotePath).c_str(), Widen(localPath).c_str(), FALSE,
                       FILE_ATTRIBUTE_NORMAL,
                       FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0) != FALSE;
}

bool CFtpGet::Disconnect() {
    if (!connection_) return false;
    InternetCloseHandle(connection_);
    connection_ = nullptr;
    return true;
}

}  // namespace mw
