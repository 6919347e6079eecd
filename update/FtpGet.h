// What the update check asks of an FTP client: one connection, files fetched by path. CFtpGet
// (FtpGetWin32) is the client on the platform's internet functions; tests use fakes.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mw {

// "host" or "host:port" (port 1 to 65535, 21 when none is given); false for anything else.
bool ParseServerAddress(const std::string& server, std::string& host, int& port);

class FtpClient {
public:
    static constexpr int kMaxFiles = 100;  // the most files one update may fetch

    virtual ~FtpClient() = default;
    // False for an empty or malformed server name and when no connection comes about.
    virtual bool Connect(const std::string& server) = 0;
    // A binary transfer of a whole file, over any file of that name.
    virtual bool GetFile(const std::string& remotePath, const std::string& localPath) = 0;
    virtual bool Disconnect() = 0;

    // Fetches pair by pair, going on after a failure; the number of files that failed.
    int GetFiles(const std::vector<std::string>& remotePaths, const std::vector<std::string>& localPaths);
    bool Failed(int index) const { return failed_[index]; }

    // Anonymous unless both are set.
    bool SetLogin(const std::string& user, const std::string& password);

protected:
    std::string user_, password_;

private:
    std::array<bool, kMaxFiles> failed_{};
};

}  // namespace mw
