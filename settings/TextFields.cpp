// Fields of the program's own text files.
#include "settings/TextFields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mw {

std::string EscapeField(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default:   out += c;
        }
    }
    return out;
}

bool UnescapeField(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') { out += text[i]; continue; }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 't':  out += '\t'; break;
            case 'n':  out += '\n'; break;
            case 'r':  out += '\r'; break;
            default:   return false;
        }
    }
    return true;
}

bool ParseNumberField(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

std::string ShortestNumber(double value) {
    for (int places = 0; places <= 17; ++places) {
        char text[400];
        std::snprintf(text, sizeof text, "%.*f", places, value);
        if (std::strtod(text, nullptr) == value) return text;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace mw
