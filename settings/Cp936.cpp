// Conversion between code page 936 and UTF-8 through the generated table.
#include "settings/Cp936.h"

#include <unordered_map>

namespace mw {

namespace {

constexpr unsigned kEuroByte = 0x80;  // the one single byte above ASCII: the euro sign
constexpr unsigned kEuro = 0x20AC;

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 value -> two-byte code, built once from the table.
const std::unordered_map<unsigned, unsigned>& ReverseTable() {
    static const std::unordered_map<unsigned, unsigned> reverse = [] {
        std::unordered_map<unsigned, unsigned> map;
        for (unsigned lead = 0; lead < 126; ++lead)
            for (unsigned trail = 0; trail < 191; ++trail)
                if (unsigned code = kCp936Table[lead][trail])
                    map.emplace(code, ((lead + 0x81) << 8) | (trail + 0x40));
        return map;
    }();
    return reverse;
}

}  // namespace

std::string Cp936ToUtf8(const std::string& cp936) {
    std::string out;
    out.reserve(cp936.size() * 3 / 2);
    for (std::size_t i = 0; i < cp936.size(); ++i) {
        const unsigned byte = static_cast<unsigned char>(cp936[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else if (byte == kEuroByte) {
            AppendUtf8(out, kEuro);
        } else if (byte <= 0xFE && i + 1 < cp936.size()) {
            const unsigned trail = static_cast<unsigned char>(cp936[i + 1]);
            const unsigned code = trail >= 0x40 && trail <= 0xFE ? kCp936Table[byte - 0x81][trail - 0x40] : 0;
            if (code) {
                AppendUtf8(out, code);
                ++i;
            } else {
                out += '?';
            }
        } else {
            out += '?';
        }
    }
    return out;
}

std::string Utf8ToCp936(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned byte = static_cast<unsigned char>(utf8[i]);
        unsigned code = 0;
        std::size_t length = 1;
        if (byte < 0x80) { code = byte; }
        else if ((byte & 0xE0) == 0xC0) { code = byte & 0x1F; length = 2; }
        else if ((byte & 0xF0) == 0xE0) { code = byte & 0x0F; length = 3; }
        else if ((byte & 0xF8) == 0xF0) { code = byte & 0x07; length = 4; }
        else { out += '?'; ++i; continue; }
        bool valid = i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const unsigned next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) { out += '?'; ++i; continue; }
        i += length;
        if (code < 0x80) { out += static_cast<char>(code); continue; }
        if (code == kEuro) { out += static_cast<char>(kEuroByte); continue; }
        const auto found = ReverseTable().find(code);
        if (found == ReverseTable().end()) { out += '?'; continue; }
        out += static_cast<char>(found->second >> 8);
        out += static_cast<char>(found->second & 0xFF);
    }
    return out;
}

}  // namespace mw
