#include "win32/settings/RegistryTree.h"

#include <cstdio>

namespace {

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
const char kFileComment[] = "; Morvane registry";

std::string Fold(const std::string& name)
{
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(const std::string& line, size_t at)
{
    while (at < line.size() && IsBlank(line[at])) ++at;
    return at;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A quoted text starting at line[at] == '"'; at ends after the closing quote.
bool ParseQuoted(const std::string& line, size_t& at, std::string& out)
{
    if (at >= line.size() || line[at] != '"') return false;
    ++at;
    while (at < line.size()) {
        char c = line[at++];
        if (c == '"') return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (at >= line.size()) return false;
        char e = line[at++];
        switch (e) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x': {
            if (at + 2 > line.size()) return false;
            int hi = HexDigit(line[at]), lo = HexDigit(line[at + 1]);
            if (hi < 0 || lo < 0) return false;
            out += static_cast<char>(hi * 16 + lo);
            at += 2;
            break;
        }
        default: return false;
        }
    }
    return false;
}

// Up to eight hex digits.
bool ParseHexNumber(const std::string& line, size_t& at, DWORD& value)
{
    size_t start = at;
    value = 0;
    while (at < line.size() && HexDigit(line[at]) >= 0) {
        if (at - start == 8) return false;
        value = value * 16 + static_cast<DWORD>(HexDigit(line[at++]));
    }
    return at > start;
}

bool RestIsBlank(const std::string& line, size_t at) { return SkipBlanks(line, at) == line.size(); }

bool ParseHexBytes(const std::string& line, size_t at, std::string& out)
{
    at = SkipBlanks(line, at);
    if (at == line.size()) return true;
    for (;;) {
        if (at + 2 > line.size()) return false;
        int hi = HexDigit(line[at]), lo = HexDigit(line[at + 1]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
        at = SkipBlanks(line, at + 2);
        if (at == line.size()) return true;
        if (line[at] != ',') return false;
        at = SkipBlanks(line, at + 1);
    }
}

bool StartsWith(const std::string& line, size_t at, const char* prefix)
{
    return line.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool ParseValueLine(const std::string& line, size_t at, MvRegValue& value)
{
    if (!ParseQuoted(line, at, value.name) || value.name.size() > MvRegKey::kMaxValueName) return false;
    at = SkipBlanks(line, at);
    if (at >= line.size() || line[at] != '=') return false;
    at = SkipBlanks(line, at + 1);
    if (at < line.size() && line[at] == '"') {
        value.type = kRegSz;
        return ParseQuoted(line, at, value.data) && RestIsBlank(line, at);
    }
    if (StartsWith(line, at, "dword:")) {
        at += 6;
        DWORD number;
        if (!ParseHexNumber(line, at, number) || !RestIsBlank(line, at)) return false;
        value.type = kRegDword;
        for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
        return true;
    }
    if (StartsWith(line, at, "hex:")) {
        value.type = kRegBinary;
        return ParseHexBytes(line, at + 4, value.data);
    }
    if (StartsWith(line, at, "hex(")) {
        at += 4;
        if (!ParseHexNumber(line, at, value.type) || !StartsWith(line, at, "):")) return false;
        return ParseHexBytes(line, at + 2, value.data);
    }
    return false;
}

void AppendEscaped(std::string& out, const std::string& text)
{
    out += '"';
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20 || u == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof(hex), "\\x%02x", u);
                out += hex;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void AppendValue(std::string& out, const MvRegValue& value)
{
    AppendEscaped(out, value.name);
    out += '=';
    char buffer[32];
    if (value.type == kRegSz) {
        AppendEscaped(out, value.data);
    } else if (value.type == kRegDword && value.data.size() == 4) {
        DWORD number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        std::snprintf(buffer, sizeof(buffer), "dword:%08x", number);
        out += buffer;
    } else {
        if (value.type == kRegBinary) out += "hex:";
        else {
            std::snprintf(buffer, sizeof(buffer), "hex(%x):", value.type);
            out += buffer;
        }
        for (size_t i = 0; i < value.data.size(); ++i) {
            std::snprintf(buffer, sizeof(buffer), i ? ",%02x" : "%02x", static_cast<unsigned char>(value.data[i]));
            out += buffer;
        }
    }
    out += '\n';
}

}

MvRegKey* MvRegKey::FindKey(const std::string& name) const
{
    auto it = m_keys.find(Fold(name));
    return it == m_keys.end() ? nullptr : it->second.get();
}

MvRegKey* MvRegKey::AddKey(const std::string& name)
{
    auto& slot = m_keys[Fold(name)];
    if (!slot) slot = std::make_unique<MvRegKey>(name);
    return slot.get();
}

bool MvRegKey::RemoveKey(const std::string& name) { return m_keys.erase(Fold(name)) > 0; }

const MvRegKey* MvRegKey::KeyAt(size_t index) const
{
    if (index >= m_keys.size()) return nullptr;
    auto it = m_keys.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(index));
    return it->second.get();
}

const MvRegValue* MvRegKey::FindValue(const std::string& name) const
{
    auto it = m_values.find(Fold(name));
    return it == m_values.end() ? nullptr : &it->second;
}

void MvRegKey::SetValue(MvRegValue value)
{
    std::string key = Fold(value.name);
    auto it = m_values.find(key);
    if (it != m_values.end()) value.name = it->second.name; // the first spelling stays
    m_values[key] = std::move(value);
}

bool MvRegKey::RemoveValue(const std::string& name) { return m_values.erase(Fold(name)) > 0; }

bool MvRegKey::IsValidKeyName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxKeyName) return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == 0x7F) return false;
    return true;
}

bool MvRegKey::IsValidPath(const std::string& path)
{
    size_t depth = 0;
    for (size_t at = 0; at <= path.size();) {
        size_t end = path.find('\\', at);
        if (end == std::string::npos) end = path.size();
        if (end > at && (!IsValidKeyName(path.substr(at, end - at)) || ++depth > kMaxDepth)) return false;
        at = end + 1;
    }
    return true;
}

MvRegKey* MvRegKey::FindPath(const std::string& path, bool create)
{
    MvRegKey* key = this;
    size_t depth = 0;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('\\', at);
        if (end == std::string::npos) end = path.size();
        if (end > at) {
            std::string name = path.substr(at, end - at);
            MvRegKey* next = key->FindKey(name);
            if (!next) {
                if (!create || !IsValidKeyName(name) || depth >= kMaxDepth) return nullptr;
                next = key->AddKey(name);
            }
            key = next;
            ++depth;
        }
        at = end + 1;
    }
    return key;
}

void MvRegKey::Parse(const std::string& text)
{
    MvRegKey* current = this;
    bool lost = false; // under a heading that could not be read: keep lines verbatim
    // A hand-edited file may start with a byte-order mark; it is no part of the first heading.
    size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(pos, end - pos);
        pos = end + 1;
        std::string line = raw;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t at = SkipBlanks(line, 0);
        if (at == line.size() || line == kFileComment) continue;
        if (line[at] == '[') {
            size_t close = line.find_last_of(']');
            if (close != std::string::npos && close > at && RestIsBlank(line, close + 1)) {
                std::string path = line.substr(at + 1, close - at - 1);
                bool blank = path.find_first_not_of('\\') == std::string::npos;
                // A heading that cannot be read whole adds none of its keys either.
                MvRegKey* key = blank ? this : IsValidPath(path) ? FindPath(path, true) : nullptr;
                if (key) {
                    current = key;
                    lost = false;
                    continue;
                }
            }
            lost = true;
        } else if (line[at] == '"' && !lost) {
            MvRegValue value;
            if (ParseValueLine(line, at, value)) {
                current->SetValue(std::move(value));
                continue;
            }
        }
        current->m_unreadable.push_back(std::move(raw));
    }
}

std::string MvRegKey::Write() const
{
    std::string out = std::string(kFileComment) + "\n";
    std::string path;
    if (!m_values.empty() || !m_unreadable.empty()) {
        out += "[]\n";
        for (const auto& entry : m_values) AppendValue(out, entry.second);
        for (const auto& line : m_unreadable) out += line + "\n";
        out += '\n';
    }
    WriteTo(out, path, 0);
    return out;
}

void MvRegKey::WriteTo(std::string& out, std::string& path, size_t depth) const
{
    for (const auto& entry : m_keys) {
        const MvRegKey& key = *entry.second;
        size_t mark = path.size();
        if (depth > 0) path += '\\';
        path += key.m_name;
        out += '[' + path + "]\n";
        for (const auto& value : key.m_values) AppendValue(out, value.second);
        for (const auto& line : key.m_unreadable) out += line + "\n";
        out += '\n';
        key.WriteTo(out, path, depth + 1);
        path.resize(mark);
    }
}
