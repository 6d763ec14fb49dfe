#pragma once
// A byte range of a file.
#include <cstdint>

class CFileRange {
public:
    CFileRange() = default;
    CFileRange(const CFileRange&) = default;
    CFileRange& operator=(const CFileRange&) = default;
    virtual ~CFileRange() = default;

    void SetStart(int64_t v) { m_start = v; }
    int64_t GetStart() const { return m_start; }
    void SetEnd(int64_t v) { m_end = v; }
    int64_t GetEnd() const { return m_end; }

private:
    int64_t m_start = 0;
    int64_t m_end = 0;
};
