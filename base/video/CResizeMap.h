#pragma once
// The nearest-neighbour resampling table of one axis: output sample i -> byte offset of its
// source sample.
#include <cstddef>
#include <vector>

class CResizeMap {
public:
    CResizeMap() = default;
    CResizeMap(const CResizeMap& other);
    CResizeMap& operator=(const CResizeMap& other);
    virtual ~CResizeMap() = default;

    void SetInputLength(unsigned short v);
    void SetOutputLength(unsigned short v);
    // Bytes between neighbouring source samples; negative walks backwards.
    void SetGap(long gap);
    unsigned short GetInputLength() const { return m_inputLength; }
    unsigned short GetOutputLength() const { return m_outputLength; }
    long GetGap() const { return m_gap; }
    long GetAbsoluteGap() const { return m_gap < 0 ? -m_gap : m_gap; }

    void Initialize();
    void Reset();
    bool IsBuilt() const { return m_built; }
    ptrdiff_t Map(int i) const { return m_table[size_t(i)]; }
    const ptrdiff_t* GetTable() const { return m_table.data(); }

private:
    unsigned short m_inputLength = 0;
    unsigned short m_outputLength = 0;
    long m_gap = 0;
    bool m_built = false;
    std::vector<ptrdiff_t> m_table;
};
