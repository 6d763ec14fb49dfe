#pragma once
// An ini file that CRegistry objects write to instead of the registry.

class CIniProfile {
public:
    static constexpr int kMaxPath = 1023;

    CIniProfile() = default;
    CIniProfile(const CIniProfile&) = default;
    CIniProfile& operator=(const CIniProfile&) = default;
    virtual ~CIniProfile() = default;

    void SetIniFile(const char* path);
    // A copy in the rotating text buffer.
    char* GetInitFile() const;
    const char* GetPath() const { return m_path; }

private:
    char m_path[kMaxPath + 1] = {};
};
