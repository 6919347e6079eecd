// The FTP client's own logic: server addresses with and without a port, several files at once.
#include <gtest/gtest.h>

#include <set>

#include "update/FtpGet.h"

namespace mw {
namespace {

TEST(FtpGet, ServerAddresses) {
    std::string host;
    int port = 0;
    EXPECT_TRUE(ParseServerAddress("ftp.example.com", host, port));
    EXPECT_EQ(host, "ftp.example.com");
    EXPECT_EQ(port, 21);
    EXPECT_TRUE(ParseServerAddress(" 127.0.0.1:40021 ", host, port));
    EXPECT_EQ(host, "127.0.0.1");
    EXPECT_EQ(port, 40021);
    EXPECT_TRUE(ParseServerAddress("h:1", host, port));
    EXPECT_TRUE(ParseServerAddress("h:65535", host, port));
    for (const char* bad : {"", "   ", ":21", "h:", "h:0", "h:65536", "h:99999999999", "h:2a", "h:-1",
                            "h:21:22", "a b:21", "user@h", "ftp://h", "h\\x"})
        EXPECT_FALSE(ParseServerAddress(bad, host, port)) << bad;
}

class ScriptedClient : public FtpClient {
public:
    bool Connect(const std::string&) override { return true; }
    bool GetFile(const std::string& remote, const std::string&) override {
        asked.push_back(remote);
        return !failing.count(remote);
    }
    bool Disconnect() override { return true; }
    std::set<std::string> failing;
    std::vector<std::string> asked;
};

TEST(FtpGet, GetFilesGoesOnAfterAFailureAndCountsThem) {
    ScriptedClient client;
    client.failing = {"a", "c"};
    EXPECT_EQ(client.GetFiles({"a", "b", "c"}, {"1", "2", "3"}), 2);
    EXPECT_EQ(client.asked, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(client.Failed(0));
    EXPECT_FALSE(client.Failed(1));
    EXPECT_TRUE(client.Failed(2));
    client.failing.clear();
    EXPECT_EQ(client.GetFiles({"a"}, {"1"}), 0);
    EXPECT_FALSE(client.Failed(2));  // the flags are those of the last call
    EXPECT_FALSE(client.SetLogin("user", ""));
    EXPECT_TRUE(client.SetLogin("user", "secret"));
}

}  // namespace
}  // namespace mw
