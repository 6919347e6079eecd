// CFtpGet: the FTP client on the platform's internet functions (active mode, binary, no cache,
// each transfer read piece by piece so that it can be stopped at its limit).
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

#include "update/FtpGet.h"

namespace mw {

class CFtpGet : public FtpClient {
public:
    explicit CFtpGet(const std::string& applicationTitle);
    ~CFtpGet() override;
    CFtpGet(const CFtpGet&) = delete;
    CFtpGet& operator=(const CFtpGet&) = delete;

    bool Connect(const std::string& server) override;
    TransferEnd GetFile(const std::string& remotePath, const std::string& localPath, long long limit,
                        std::string& digest) override;
    bool Disconnect() override;

private:
    HINTERNET internet_ = nullptr;
    HINTERNET connection_ = nullptr;
};

}  // namespace mw
