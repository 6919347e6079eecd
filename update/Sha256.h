// SHA-256 digests, to check that fetched update files are the ones the server's list names.
#pragma once

#include <string>

namespace mw {

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string Sha256Hex(const std::string& bytes);

}  // namespace mw
