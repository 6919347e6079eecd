// SHA-256 against the published test vectors and lengths around the block boundaries.
#include <gtest/gtest.h>

#include <algorithm>

#include "update/Sha256.h"

namespace mw {
namespace {

TEST(Sha256, MatchesKnownDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    EXPECT_EQ(Sha256Hex("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqr"
                        "lmnopqrsmnopqrstnopqrstu"),
              "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
    // Zero and high bytes are data like any other.
    EXPECT_EQ(Sha256Hex(std::string("\0", 1)), "6e340b9cffb37a989ca544e6bb780a2c78901d3fb33738768511a30617afa01d");
    EXPECT_EQ(Sha256Hex(std::string("\0\xff", 2)), "06eb7d6a69ee19e5fbdf749018d3d2abfa04bcbd1365db312eb86dc7169389b8");
}

TEST(Sha256, LengthsAroundTheLastBlock) {
    const struct { std::size_t length; const char* digest; } cases[] = {
        {55,  "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {56,  "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {63,  "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
        {64,  "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {119, "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb"},
    };
    for (const auto& c : cases) EXPECT_EQ(Sha256Hex(std::string(c.length, 'a')), c.digest) << c.length;
}

// A file is hashed as it arrives, in pieces of whatever size the transfer delivers.
TEST(Sha256, PiecesOfAnySizeGiveTheDigestOfTheWhole) {
    std::string text(300, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(i * 31 + 7);
    const std::string whole = Sha256Hex(text);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        Sha256 digest;
        digest.Add(text.data(), cut);
        digest.Add(text.data() + cut, 0);
        digest.Add(text.data() + cut, text.size() - cut);
        EXPECT_EQ(digest.Hex(), whole) << cut;
    }
    for (std::size_t piece : {1u, 63u, 64u, 65u, 4096u}) {
        Sha256 digest;
        const std::string million(1000000, 'a');
        for (std::size_t at = 0; at < million.size(); at += piece)
            digest.Add(million.data() + at, std::min(piece, million.size() - at));
        EXPECT_EQ(digest.Hex(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0") << piece;
    }
}

}  // namespace
}  // namespace mw
