// The FTP client's own logic: server addresses, bounded transfers, several files at once, the
// login.
#include "update/FtpGet.h"

#include <cassert>
#include <vector>

#include "update/Sha256.h"

namespace mw {

bool ParseServerAddress(const std::string& server, std::string& host, int& port) {
    const std::size_t begin = server.find_first_not_of(" \t");
    if (begin == std::string::npos) return false;
    const std::string text = server.substr(begin, server.find_last_not_of(" \t") - begin + 1);
    const std::size_t colon = text.find(':');
    host = text.substr(0, colon);
    port = 21;
    if (host.empty() || host.find_first_of(" \t/\\@") != std::string::npos) return false;
    if (colon == std::string::npos) return true;
    const std::string digits = text.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(digits);
    return port >= 1 && port <= 65535;
}

TransferEnd CopyTransfer(const std::function<long long(char* buffer, std::size_t size)>& read,
                         const std::function<bool(const char* bytes, std::size_t size)>& write, long long limit,
                         Sha256& digest) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::vector<char> buffer(kPiece);
    long long total = 0;
    for (;;) {
        const long long got = read(buffer.data(), buffer.size());
        if (got == 0) return TransferEnd::Whole;
        if (got < 0 || got > static_cast<long long>(buffer.size())) return TransferEnd::Broken;
        total += got;
        if (total > limit) return TransferEnd::TooLarge;
        if (!write(buffer.data(), static_cast<std::size_t>(got))) return TransferEnd::Broken;
        digest.Add(buffer.data(), static_cast<std::size_t>(got));
    }
}

int FtpClient::GetFiles(const std::vector<std::string>& remotePaths, const std::vector<std::string>& localPaths,
                        long long limit, std::vector<std::string>& digests) {
    assert(remotePaths.size() == localPaths.size() && remotePaths.size() <= kMaxFiles);
    failed_.fill(false);
    digests.assign(remotePaths.size(), std::string());
    int failures = 0;
    for (std::size_t i = 0; i < remotePaths.size(); ++i) {
        failed_[i] = GetFile(remotePaths[i], localPaths[i], limit, digests[i]) != TransferEnd::Whole;
        if (failed_[i]) digests[i].clear();
        failures += failed_[i];
    }
    return failures;
}

bool FtpClient::SetLogin(const std::string& user, const std::string& password) {
    user_ = user;
    password_ = password;
    return !user.empty() && !password.empty();
}

}  // namespace mw
