// The FTP client through WinINet, with the system's proxy settings.
#include "update/FtpGetWin32.h"

#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"
#include "update/Sha256.h"

namespace mw {

namespace {

constexpr wchar_t kLibrary[] = L"wininet.dll";

// A server that answers and then stalls must not hold the check (and every later one) forever.
constexpr DWORD kTimeoutMs = 30000;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// The internet functions, looked up at the first check: the library and the network stack it
// brings stay out of the program's start.
struct InternetFunctions {
    decltype(&InternetOpenW) open = SYSTEM_FUNCTION(kLibrary, InternetOpenW);
    decltype(&InternetSetOptionW) setOption = SYSTEM_FUNCTION(kLibrary, InternetSetOptionW);
    decltype(&InternetConnectW) connect = SYSTEM_FUNCTION(kLibrary, InternetConnectW);
    decltype(&FtpFindFirstFileW) findFirstFile = SYSTEM_FUNCTION(kLibrary, FtpFindFirstFileW);
    decltype(&FtpOpenFileW) openFile = SYSTEM_FUNCTION(kLibrary, FtpOpenFileW);
    decltype(&InternetReadFile) readFile = SYSTEM_FUNCTION(kLibrary, InternetReadFile);
    decltype(&InternetCloseHandle) closeHandle = SYSTEM_FUNCTION(kLibrary, InternetCloseHandle);

    bool Complete() const { return open && setOption && connect && findFirstFile && openFile && readFile && closeHandle; }
};

const InternetFunctions& Internet() {
    static const InternetFunctions functions;
    return functions;
}

}  // namespace

CFtpGet::CFtpGet(const std::string& applicationTitle)
    : internet_(Internet().Complete() ? Internet().open(Widen(applicationTitle).c_str(), INTERNET_OPEN_TYPE_PRECONFIG,
                                                       nullptr, nullptr, 0)
                                      : nullptr) {
    if (!internet_) return;
    DWORD timeout = kTimeoutMs;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
        Internet().setOption(internet_, option, &timeout, sizeof timeout);
}

CFtpGet::~CFtpGet() {
    Disconnect();
    if (internet_) Internet().closeHandle(internet_);
}

bool CFtpGet::Connect(const std::string& server) {
    std::string host;
    int port = 0;
    if (!internet_ || !ParseServerAddress(server, host, port)) return false;
    Disconnect();
    // Anonymous when no login is set; flags 0 is active mode.
    const std::wstring user = user_.empty() || password_.empty() ? L"" : Widen(user_);
    const std::wstring password = user.empty() ? L"" : Widen(password_);
    connection_ = Internet().connect(internet_, Widen(host).c_str(), static_cast<INTERNET_PORT>(port), OrNull(user),
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
    HINTERNET listing = Internet().findFirstFile(connection_, remotePathW.c_str(), &found, INTERNET_FLAG_RELOAD, 0);
    if (!listing) return TransferEnd::Broken;
    Internet().closeHandle(listing);  // one request at a time on a connection
    const long long listed = (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    if (listed > limit) return TransferEnd::TooLarge;
    HINTERNET remote = Internet().openFile(connection_, remotePathW.c_str(), GENERIC_READ,
                                           FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 0);
    if (!remote) return TransferEnd::Broken;
    const std::wstring path = Widen(localPath);
    HANDLE local = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (local == INVALID_HANDLE_VALUE) {
        Internet().closeHandle(remote);
        return TransferEnd::Broken;
    }
    Sha256 hash;
    auto read = [remote](char* buffer, std::size_t size) -> long long {
        // TRUE with nothing read is the end of the file.
        DWORD got = 0;
        return Internet().readFile(remote, buffer, static_cast<DWORD>(size), &got) ? static_cast<long long>(got) : -1;
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
    Internet().closeHandle(remote);
    if (end != TransferEnd::Whole) {
        DeleteFileW(path.c_str());
        return end;
    }
    digest = hash.Hex();
    return end;
}

bool CFtpGet::Disconnect() {
    if (!connection_) return false;
    Internet().closeHandle(connection_);
    connection_ = nullptr;
    return true;
}

}  // namespace mw
