// The FTP client's own logic: server addresses, several files at once, the login.
#include "update/FtpGet.h"

#include <cassert>

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

int FtpClient::GetFiles(const std::vector<std::string>& remotePaths, const std::vector<std::string>& localPaths) {
    assert(remotePaths.size() == localPaths.size() && remotePaths.size() <= kMaxFiles);
    failed_.fill(false);
    int failures = 0;
    for (std::size_t i = 0; i < remotePaths.size(); ++i) {
        failed_[i] = !GetFile(remotePaths[i], localPaths[i]);
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
