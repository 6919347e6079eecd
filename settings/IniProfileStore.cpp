// Private-profile semantics: names match ignoring ASCII case and surrounding blanks, the first
// match wins, and every change rewrites only the lines it concerns.
#include "settings/IniProfileStore.h"

#include <cassert>
#include <cstdlib>
#include <vector>

#include "settings/Cp936.h"

namespace mw {

namespace {

const char kNewLine[] = "\r\n";

struct Line {
    std::size_t begin, end;  // the line's bytes, without its line end
    std::size_t next;        // where the following line starts
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        std::size_t trimmed = end;
        while (trimmed > pos && text[trimmed - 1] == '\r') --trimmed;
        lines.push_back({pos, trimmed, next});
        pos = next;
    }
    return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

// Equal ignoring the case of ASCII letters; the trail bytes of double-byte characters are
// compared exactly, since some of them fall in the range of ASCII letters.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned ca = static_cast<unsigned char>(a[i]);
        const unsigned cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x81 && ca <= 0xFE && i + 1 < a.size()) {
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(ca) != lower(cb)) return false;
    }
    return true;
}

// A section header "[name]" (blanks allowed around the brackets and the name).
bool SectionName(const std::string& line, std::string& name) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != '[') return false;
    const std::size_t close = trimmed.find(']');
    name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// Names as the platform takes them: blanks in front dropped (those behind are kept when written,
// and ignored when compared).
std::string LeftTrimmed(const std::string& text) {
    std::size_t b = 0;
    while (b < text.size() && IsBlank(text[b])) ++b;
    return text.substr(b);
}

bool KeyOf(const std::string& line, std::string& key, std::string& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) {
        key = Trim(line);
        value.clear();
        return !key.empty() && key[0] != ';';
    }
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

// Where a section lives in the file: its header line and the lines up to the next header.
struct SectionSpan {
    bool found = false;
    std::size_t header = 0, first = 0, last = 0;  // line indices; [first, last) are its lines
};

SectionSpan FindSection(const std::string& text, const std::vector<Line>& lines, const std::string& section) {
    SectionSpan span;
    std::string name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Only a line that opens with "[" can be a header; most lines are keys.
        std::size_t first = lines[i].begin;
        while (first < lines[i].end && IsBlank(text[first])) ++first;
        if (first == lines[i].end || text[first] != '[') continue;
        const std::string line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (!SectionName(line, name)) continue;
        if (span.found) {
            span.last = i;
            return span;
        }
        if (SameName(name, Trim(section))) {
            span.found = true;
            span.header = i;
            span.first = i + 1;
        }
    }
    span.last = lines.size();
    return span;
}

// Index of the key's line in the section, or -1.
long FindKey(const std::string& text, const std::vector<Line>& lines, const SectionSpan& span,
             const std::string& key) {
    std::string name, value;
    for (std::size_t i = span.first; i < span.last; ++i) {
        const std::string line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (KeyOf(line, name, value) && SameName(name, Trim(key))) return static_cast<long>(i);
    }
    return -1;
}

}  // namespace

bool IniProfileStore::Load(std::string& text) const {
    if (batchDepth_ > 0) {
        text = batchText_;
        return batchExists_;
    }
    if (!unwritten_) return files_.ReadFile(path_, text);
    text = *unwritten_;
    return true;
}

bool IniProfileStore::Save(std::string&& text) {
    if (batchDepth_ == 0) return Write(std::move(text));
    batchText_ = std::move(text);
    batchExists_ = true;
    return true;
}

bool IniProfileStore::Write(std::string&& text) {
    if (files_.ReplaceWhole(path_, text)) {
        unwritten_.reset();
        return true;
    }
    unwritten_ = std::move(text);
    return false;
}

void IniProfileStore::BeginBatch() {
    if (batchDepth_ > 0) {
        ++batchDepth_;
        return;
    }
    // The bytes as any read sees them, the unwritten ones included.
    batchExists_ = Load(batchText_);
    ++batchDepth_;
    batchBefore_ = batchExists_ ? std::optional<std::string>(batchText_) : std::nullopt;
}

bool IniProfileStore::CommitBatch() {
    assert(batchDepth_ > 0 && "CommitBatch without BeginBatch");
    if (--batchDepth_ > 0) return true;
    const std::string text = std::move(batchText_);
    batchText_.clear();
    // A batch that ends with the bytes it began with leaves the file alone: the windows that
    // rewrite their sections at every start do not replace the file each time.
    const bool unchanged = batchExists_ ? batchBefore_ == text : !batchBefore_;
    batchBefore_.reset();
    return (unchanged && !unwritten_) || Write(std::string(text));
}

std::string IniProfileStore::ReadString(const std::string& section, const std::string& key) {
    std::string text;
    if (!Load(text)) return {};
    const std::string s = Utf8ToCp936(section), k = Utf8ToCp936(key);
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(text, lines, s);
    if (!span.found) return {};
    const long at = FindKey(text, lines, span, k);
    if (at < 0) return {};
    std::string name, value;
    KeyOf(text.substr(lines[at].begin, lines[at].end - lines[at].begin), name, value);
    return Cp936ToUtf8(value);
}

int IniProfileStore::ReadInt(const std::string& section, const std::string& key, int defaultValue) {
    std::string text;
    if (!Load(text)) return defaultValue;
    const std::string s = Utf8ToCp936(section), k = Utf8ToCp936(key);
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(text, lines, s);
    if (!span.found) return defaultValue;
    const long at = FindKey(text, lines, span, k);
    if (at < 0) return defaultValue;
    std::string name, value;
    KeyOf(text.substr(lines[at].begin, lines[at].end - lines[at].begin), name, value);
    if (value.empty()) return defaultValue;
    // The leading decimal number; text without one reads as 0, as the platform does.
    return static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}

bool IniProfileStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    std::string text;
    Load(text);
    const std::string s = Utf8ToCp936(section), k = Utf8ToCp936(key), v = Utf8ToCp936(value);
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(text, lines, s);
    const std::string entry = LeftTrimmed(k) + "=" + v;
    if (!span.found) {
        if (!text.empty() && text.back() != '\n') text += kNewLine;
        text += "[" + LeftTrimmed(s) + "]" + kNewLine + entry + kNewLine;
        return Save(std::move(text));
    }
    const long at = FindKey(text, lines, span, k);
    if (at >= 0) {
        // The key keeps the spelling it already has; only its value changes.
        std::string name, old;
        KeyOf(text.substr(lines[at].begin, lines[at].end - lines[at].begin), name, old);
        text.replace(lines[at].begin, lines[at].end - lines[at].begin, name + "=" + v);
        return Save(std::move(text));
    }
    // A new key goes after the section's last non-empty line.
    std::size_t after = span.header;
    for (std::size_t i = span.first; i < span.last; ++i)
        if (!Trim(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty()) after = i;
    const Line& line = lines[after];
    if (line.next == text.size() && text.back() != '\n')  // the last line, without a line end
        text.insert(line.next, kNewLine + entry + kNewLine);
    else
        text.insert(line.next, entry + kNewLine);
    return Save(std::move(text));
}

bool IniProfileStore::DeleteKey(const std::string& section, const std::string& key) {
    std::string text;
    if (!Load(text)) return true;
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(text, lines, Utf8ToCp936(section));
    if (!span.found) return true;
    const long at = FindKey(text, lines, span, Utf8ToCp936(key));
    if (at < 0) return true;
    text.erase(lines[at].begin, lines[at].next - lines[at].begin);
    return Save(std::move(text));
}

bool IniProfileStore::DeleteSection(const std::string& section) {
    std::string text;
    if (!Load(text)) return true;
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(text, lines, Utf8ToCp936(section));
    if (!span.found) return true;
    const std::size_t begin = lines[span.header].begin;
    const std::size_t end = span.last < lines.size() ? lines[span.last].begin : text.size();
    text.erase(begin, end - begin);
    return Save(std::move(text));
}

}  // namespace mw
