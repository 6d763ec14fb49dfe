#pragma once
// The lines of an ini file and the edits of the private-profile calls (for the layer's own
// sources and its fuzz target).
#include <string>
#include <vector>

class MvIniText {
public:
    explicit MvIniText(const std::string& bytes);

    bool Find(const std::string& section, const std::string& key, std::string& value) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(const std::string& section) const;

    void Set(const std::string& section, const std::string& key, const std::string& value);
    void RemoveKey(const std::string& section, const std::string& key);
    void RemoveSection(const std::string& section);

    std::string Bytes() const;

private:
    size_t FindSection(const std::string& section) const; // index of the heading, or npos
    size_t SectionEnd(size_t heading) const;
    size_t FindKey(size_t heading, const std::string& key) const;

    std::vector<std::string> m_lines; // verbatim, without the line feed
    std::string m_newline;
    std::string m_bom; // an editor's UTF-8 mark before the first line, kept on rewrite
};
