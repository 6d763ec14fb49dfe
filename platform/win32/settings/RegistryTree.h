#pragma once
// The registry's keys and values in memory, and their text file form (for the layer's own
// sources and its fuzz target). Names compare without regard to ASCII case and keep the case
// they were created with.
//
// File form, one root per file:
//   [software\Morvane\zTellora\Debug]
//   "Enable"=dword:00000001
//   "Name"="text with \"escapes\", \\ and \x01"
//   "Blob"=hex:00,ff            (other types: hex(<type>):...)
// "[]" heads the root's own values. Lines that cannot be read stay with their key verbatim, so a
// hand-edited or damaged file is never made worse by rewriting it; a heading that cannot be read
// is such a line, and the lines under it go with it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win32/WinTypes.h"

struct MvRegValue {
    std::string name;
    DWORD type = 0;
    std::string data; // REG_SZ: the text without its NUL; REG_DWORD: 4 bytes, little-endian
};

class MvRegKey {
public:
    // Limits of the kernel's registry: longer names and deeper paths are refused.
    static constexpr size_t kMaxKeyName = 255;
    static constexpr size_t kMaxValueName = 16383;
    static constexpr size_t kMaxDepth = 512;

    explicit MvRegKey(std::string name = {}) : m_name(std::move(name)) {}

    const std::string& Name() const { return m_name; }
    MvRegKey* FindKey(const std::string& name) const;
    MvRegKey* AddKey(const std::string& name); // the existing one when present
    bool RemoveKey(const std::string& name);
    // The index-th sub key in the order of their folded names; null past the end.
    const MvRegKey* KeyAt(size_t index) const;
    size_t KeyCount() const { return m_keys.size(); }

    const MvRegValue* FindValue(const std::string& name) const;
    void SetValue(MvRegValue value);
    bool RemoveValue(const std::string& name);

    // A sub key reached by names separated by '\'; empty parts are skipped. Null when missing
    // (or, with create, when a name is invalid or the path too deep).
    MvRegKey* FindPath(const std::string& path, bool create);

    static bool IsValidKeyName(const std::string& name);
    // Every name of the '\\'-separated path valid, and no deeper than kMaxDepth.
    static bool IsValidPath(const std::string& path);

    void Parse(const std::string& text);
    std::string Write() const;

private:
    void WriteTo(std::string& out, std::string& path, size_t depth) const;

    std::string m_name;
    std::map<std::string, std::unique_ptr<MvRegKey>> m_keys; // by folded name
    std::map<std::string, MvRegValue> m_values;              // by folded name
    std::vector<std::string> m_unreadable;
};
