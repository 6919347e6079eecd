// The FTP client through WinINet, with the system's proxy settings.
#include "update/FtpGetWin32.h"

#include "kit/Utf16Win32.h"
#include "update/Sha256.h"

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

TransferEnd CFtpGet::GetFile(const std::string& remotePath, const std::string& localPath, long long limit,
                             std::string& digest) {
    digest.clear();
    if (!connection_) return TransferEnd::Broken;
    // The size the server lists for the file: a transfer that ends before it was broken off (the
    // end of the data is all the client sees; the server's reply after it is not reported).
    const std::wstring remotePathW = Widen(remotePath);
    WIN32_FIND_DATAW found = {};
    HINTERNET listing = FtpFindFirstFileW(connection_, remotePathW.c_str(), &found, INTERNET_FLAG_RELOAD, 0);
    if (!listing) return TransferEnd::Broken;
    InternetCloseHandle(listing);  // one request at a time on a connection
    const long long listed = (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    if (listed > limit) return TransferEnd::TooLarge;
    HINTERNET remote = FtpOpenFileW(connection_, remotePathW.c_str(), GENERIC_READ,
                                    FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 0);
    if (!remote) return TransferEnd::Broken;
    const std::wstring path = Widen(localPath);
    HANDLE local = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (local == INVALID_HANDLE_VALUE) {
        InternetCloseHandle(remote);
        return TransferEnd::Broken;
    }
    Sha256 hash;
    auto read = [remote](char* buffer, std::size_t size) -> long long {
        // TRUE with nothing read is the end of the file.
        DWORD got = 0;
        return InternetReadFile(remote, buffer, static_cast<DWORD>(size), &got) ? static_cast<long long>(got) : -1;
    };
    long long stored = 0;
    auto write = [local, &stored](const char* bytes, std::size_t size) {
        DWORD written = 0;
        stored += size;
        return ::WriteFile(local, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
    };
    TransferEnd end = CopyTransfer(read, write, limit, hash);
    if (end == TransferEnd::Whole && stored != listed) end = TransferEnd::Broken;
    if (!CloseHandle(local) && end == TransferEnd::Whole) end = TransferEnd::Broken;
    // Closing the handle early ends the transfer: the server is told to stop sending.
    InternetCloseHandle(remote);
    if (end != TransferEnd::Whole) {
        DeleteFileW(path.c_str());
        return end;
    }
    digest = hash.Hex();
    return end;
}

bool CFtpGet::Disconnect() {
    if (!connection_) return false;
    InternetCloseHandle(connection_);
    connection_ = nullptr;
    return true;
}

}  // namespace mw
