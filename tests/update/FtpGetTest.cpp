// The FTP client's own logic: server addresses with and without a port, transfers stopped at
// their limit and hashed on the way, several files at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "update/FtpGet.h"
#include "update/Sha256.h"

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
    TransferEnd GetFile(const std::string& remote, const std::string&, long long limit, std::string& digest) override {
        asked.push_back(remote);
        limits.push_back(limit);
        digest = "digest of " + remote;
        return failing.count(remote) ? TransferEnd::Broken : TransferEnd::Whole;
    }
    bool Disconnect() override { return true; }
    std::set<std::string> failing;
    std::vector<std::string> asked;
    std::vector<long long> limits;
};

TEST(FtpGet, GetFilesGoesOnAfterAFailureAndCountsThem) {
    ScriptedClient client;
    client.failing = {"a", "c"};
    std::vector<std::string> digests;
    EXPECT_EQ(client.GetFiles({"a", "b", "c"}, {"1", "2", "3"}, 5000, digests), 2);
    EXPECT_EQ(client.asked, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(client.limits, (std::vector<long long>{5000, 5000, 5000}));
    EXPECT_EQ(digests, (std::vector<std::string>{"", "digest of b", ""}));
    EXPECT_TRUE(client.Failed(0));
    EXPECT_FALSE(client.Failed(1));
    EXPECT_TRUE(client.Failed(2));
    client.failing.clear();
    EXPECT_EQ(client.GetFiles({"a"}, {"1"}, 5000, digests), 0);
    EXPECT_FALSE(client.Failed(2));  // the flags are those of the last call
    EXPECT_FALSE(client.SetLogin("user", ""));
    EXPECT_TRUE(client.SetLogin("user", "secret"));
}

// A server that sends `total` bytes (forever when negative), in pieces of at most `piece`.
struct Sender {
    long long total;
    std::size_t piece;
    long long sent = 0;
    int reads = 0;
    long long operator()(char* buffer, std::size_t size) {
        ++reads;
        const long long left = total < 0 ? static_cast<long long>(size) : total - sent;
        const long long got = std::min<long long>({left, static_cast<long long>(size), static_cast<long long>(piece)});
        for (long long i = 0; i < got; ++i) buffer[i] = static_cast<char>((sent + i) % 251);
        sent += got;
        return got;
    }
};

std::string Bytes(long long count) {
    std::string bytes(static_cast<std::size_t>(count), '\0');
    for (long long i = 0; i < count; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(i % 251);
    return bytes;
}

TEST(FtpGet, ATransferIsStoredAndHashedPieceByPieceUpToItsLimit) {
    for (long long total : {0LL, 1LL, 65536LL, 200000LL}) {
        Sender server{total, 7000};
        std::string stored;
        Sha256 digest;
        EXPECT_EQ(CopyTransfer(std::ref(server), [&](const char* b, std::size_t n) { stored.append(b, n); return true; },
                               200000, digest),
                  TransferEnd::Whole) << total;
        EXPECT_EQ(stored, Bytes(total));
        EXPECT_EQ(digest.Hex(), Sha256Hex(stored));
    }
}

TEST(FtpGet, AnEndlessTransferStopsJustPastItsLimitHavingStoredNoMore) {
    Sender endless{-1, 1 << 20};
    long long stored = 0;
    Sha256 digest;
    const long long limit = 1 << 20;
    EXPECT_EQ(CopyTransfer(std::ref(endless), [&](const char*, std::size_t n) { stored += n; return true; }, limit, digest),
              TransferEnd::TooLarge);
    EXPECT_LE(stored, limit);
    EXPECT_LE(endless.sent, limit + 64 * 1024);  // one piece beyond at most
    Sha256 ignored;
    Sender oneTooMany{limit + 1, 4096};
    EXPECT_EQ(CopyTransfer(std::ref(oneTooMany), [](const char*, std::size_t) { return true; }, limit, ignored),
              TransferEnd::TooLarge);
}

TEST(FtpGet, AFailedReadOrWriteBreaksTheTransfer) {
    Sha256 digest;
    int reads = 0;
    auto failsSecond = [&](char* buffer, std::size_t) -> long long { return ++reads == 1 ? (buffer[0] = 'x', 1) : -1; };
    EXPECT_EQ(CopyTransfer(failsSecond, [](const char*, std::size_t) { return true; }, 100, digest), TransferEnd::Broken);
    Sender server{10, 10};
    EXPECT_EQ(CopyTransfer(std::ref(server), [](const char*, std::size_t) { return false; }, 100, digest),
              TransferEnd::Broken);
    // A reader claiming more than the buffer holds is broken, not believed.
    auto liar = [](char*, std::size_t size) -> long long { return static_cast<long long>(size) + 1; };
    EXPECT_EQ(CopyTransfer(liar, [](const char*, std::size_t) { return true; }, 1 << 30, digest), TransferEnd::Broken);
}

}  // namespace
}  // namespace mw
