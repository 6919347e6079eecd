// SHA-256 digests, to check that fetched update files are the ones the server's list names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mw {

// A digest fed piece by piece, so that a file is hashed as it arrives and never held whole.
class Sha256 {
public:
    Sha256();
    void Add(const void* bytes, std::size_t size);
    // The digest of everything added, as 64 lower-case hexadecimal digits; ends the digest.
    std::string Hex();

private:
    std::uint32_t state_[8];
    unsigned char block_[64];
    std::size_t filled_ = 0;
    std::uint64_t length_ = 0;  // bytes added so far
};

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string Sha256Hex(const std::string& bytes);

}  // namespace mw
