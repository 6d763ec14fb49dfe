#include "win32/settings/IniText.h"

namespace {

std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The section name of a heading line, or false when the line is none.
bool Heading(const std::string& line, std::string& name)
{
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != '[') return false;
    size_t close = trimmed.find(']');
    if (close == std::string::npos) return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

// The key and value of an entry line, or false for comments and other lines.
bool Entry(const std::string& line, std::string& key, std::string& value)
{
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == ';') return false;
    size_t equals = trimmed.find('=');
    if (equals == std::string::npos) return false;
    key = Trim(trimmed.substr(0, equals));
    value = Trim(trimmed.substr(equals + 1));
    return true;
}

}

MvIniText::MvIniText(const std::string& bytes) : m_newline("\n")
{
    // New lines follow the file's style: CR LF when every line of it ends so.
    size_t feeds = 0, crlf = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ++feeds;
            if (i > 0 && bytes[i - 1] == '\r') ++crlf;
        }
    if (feeds > 0 && feeds == crlf) m_newline = "\r\n";
    size_t pos = 0;
    // Hand-edited files may start with a byte-order mark; it is no part of the first line.
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        m_bom = bytes.substr(0, 3);
        pos = 3;
    }
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        m_lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 1;
    }
}

size_t MvIniText::FindSection(const std::string& section) const
{
    std::string name;
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (Heading(m_lines[i], name) && SameName(name, section)) return i;
    return std::string::npos;
}

size_t MvIniText::SectionEnd(size_t heading) const
{
    std::string name;
    size_t i = heading + 1;
    while (i < m_lines.size() && !Heading(m_lines[i], name)) ++i;
    return i;
}

size_t MvIniText::FindKey(size_t heading, const std::string& key) const
{
    std::string name, value;
    size_t end = SectionEnd(heading);
    for (size_t i = heading + 1; i < end; ++i)
        if (Entry(m_lines[i], name, value) && SameName(name, key)) return i;
    return std::string::npos;
}

bool MvIniText::Find(const std::string& section, const std::string& key, std::string& value) const
{
    size_t heading = FindSection(section);
    if (heading == std::string::npos) return false;
    size_t line = FindKey(heading, key);
    if (line == std::string::npos) return false;
    std::string name;
    Entry(m_lines[line], name, value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return true;
}

std::vector<std::string> MvIniText::Sections() const
{
    std::vector<std::string> names;
    std::string name;
    for (const auto& line : m_lines)
        if (Heading(line, name)) names.push_back(name);
    return names;
}

std::vector<std::string> MvIniText::Keys(const std::string& section) const
{
    std::vector<std::string> keys;
    size_t heading = FindSection(section);
    if (heading == std::string::npos) return keys;
    std::string key, value;
    for (size_t i = heading + 1, end = SectionEnd(heading); i < end; ++i)
        if (Entry(m_lines[i], key, value)) keys.push_back(key);
    return keys;
}

void MvIniText::Set(const std::string& section, const std::string& key, const std::string& value)
{
    size_t heading = FindSection(section);
    if (heading == std::string::npos) {
        m_lines.push_back("[" + section + "]");
        m_lines.push_back(key + "=" + value);
        return;
    }
    size_t line = FindKey(heading, key);
    if (line != std::string::npos) {
        std::string name, old;
        Entry(m_lines[line], name, old);
        m_lines[line] = name + "=" + value; // the key keeps its spelling
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next section stays.
    size_t at = SectionEnd(heading);
    while (at > heading + 1 && Trim(m_lines[at - 1]).empty()) --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + value);
}

void MvIniText::RemoveKey(const std::string& section, const std::string& key)
{
    size_t heading = FindSection(section);
    if (heading == std::string::npos) return;
    size_t line = FindKey(heading, key);
    if (line != std::string::npos) m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(line));
}

void MvIniText::RemoveSection(const std::string& section)
{
    size_t heading = FindSection(section);
    if (heading == std::string::npos) return;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(heading),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(heading)));
}

std::string MvIniText::Bytes() const
{
    std::string out = m_bom;
    for (const auto& line : m_lines) {
        out += line;
        // Lines read from a CRLF file keep their CR; new lines get the file's line ending.
        if (!line.empty() && line.back() == '\r') out += '\n';
        else out += m_newline;
    }
    return out;
}
