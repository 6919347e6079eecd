// CFtpGet: the FTP client on the platform's internet functions (active mode, binary, no cache).
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
    bool GetFile(const std::string& remotePath, const std::string& localPath) override;
    bool Disconnect() override;

private:
    HINTERNET internet_ = nullptr;
    HINTERNET connection_ = nullptr;
};

}  // namespace mw
