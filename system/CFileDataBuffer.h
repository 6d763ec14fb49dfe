#pragma once
// A block of the overlapped file writer, with the file offset it is written at.
#include "CDataBuffer.h"

class CFileDataBuffer : public CDataBuffer {
public:
    uint64_t GetOffset() const { return m_offset; }
    void SetOffset(uint64_t offset) { m_offset = offset; }

private:
    uint64_t m_offset = 0;
};
