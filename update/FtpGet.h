// What the update check asks of an FTP client: one connection, files fetched by path, each
// stopped past its size limit and hashed as it arrives. CFtpGet (FtpGetWin32) is the client on
// the platform's internet functions; tests use fakes.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace mw {

class Sha256;

// "host" or "host:port" (port 1 to 65535, 21 when none is given); false for anything else.
bool ParseServerAddress(const std::string& server, std::string& host, int& port);

enum class TransferEnd {
    Whole,     // every byte arrived and was stored
    TooLarge,  // more than the limit came; the transfer was stopped there
    Broken,    // the transfer or the local file failed
};

// Copies one transfer piece by piece into a local file, feeding `digest` on the way, and stops
// as soon as more than `limit` bytes have come, so that no server can fill the disk or the
// memory. `read` fills at most `size` bytes of `buffer` and returns how many, 0 at the end and
// -1 on a failure; `write` stores a piece and returns false when it cannot.
TransferEnd CopyTransfer(const std::function<long long(char* buffer, std::size_t size)>& read,
                         const std::function<bool(const char* bytes, std::size_t size)>& write, long long limit,
                         Sha256& digest);

class FtpClient {
public:
    static constexpr int kMaxFiles = 100;  // the most files one update may fetch

    virtual ~FtpClient() = default;
    // False for an empty or malformed server name and when no connection comes about.
    virtual bool Connect(const std::string& server) = 0;
    // A binary transfer of a whole file of at most `limit` bytes, over any file of that name;
    // `digest` receives the SHA-256 of the bytes when the whole file arrived. A file that did
    // not arrive whole is not left behind.
    virtual TransferEnd GetFile(const std::string& remotePath, const std::string& localPath, long long limit,
                                std::string& digest) = 0;
    virtual bool Disconnect() = 0;

    // Fetches pair by pair, going on after a failure; the number of files that failed.
    // `digests` receives one digest per file (empty for a file that failed).
    int GetFiles(const std::vector<std::string>& remotePaths, const std::vector<std::string>& localPaths,
                 long long limit, std::vector<std::string>& digests);
    bool Failed(int index) const { return failed_[index]; }

    // Anonymous unless both are set.
    bool SetLogin(const std::string& user, const std::string& password);

protected:
    std::string user_, password_;

private:
    std::array<bool, kMaxFiles> failed_{};
};

}  // namespace mw
