// Text fields of the program's own files, and numbers as text.
#include "settings/TextFields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "expr/TrimZeros.h"

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
    return ExactNumber(value);
}

std::string ExactNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string FixedNumber(double value, int places) {
    const int length = std::snprintf(nullptr, 0, "%.*f", places, value);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", places, value);
    return text.data();
}

std::string PlainNumber(double value, int maxDecimals) {
    const std::string out = TrimZeros(FixedNumber(value, maxDecimals));
    return out == "-0" ? "0" : out;
}

std::string Money(double yuan) {
    const std::string text = FixedNumber(yuan, 2);
    return text == "-0.00" ? "0.00" : text;
}

std::string FormatWeight(double weight, int decimals) {
    return FixedNumber(weight, decimals >= 0 && decimals <= 9 ? decimals : 2);
}

std::string SquareMetres(double value) { return FixedNumber(value, 3); }

std::string FormatUnitWeight(double scaledUnitWeight) { return FixedNumber(scaledUnitWeight, 3); }

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
