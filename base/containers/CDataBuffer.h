#pragma once
// One block handed from a producer to a consumer. The available flag is the only
// state both sides poll, so it is atomic.
#include "CHandle.h"

#include <atomic>
#include <cstdint>

class CDataBuffer {
public:
    CDataBuffer() = default;
    CDataBuffer(const CDataBuffer& other);
    CDataBuffer& operator=(const CDataBuffer& other);
    virtual ~CDataBuffer() = default;

    // False when the buffer still holds a block, or the block cannot be had.
    virtual bool SetData(const unsigned char* bytes, uint32_t n);
    virtual unsigned char* GetBuffer() { return mData.GetBuffer(); }
    virtual uint32_t GetBufferSize() { return mData.GetSize(); }
    // The consumer is done with the block: the producer may fill the buffer again.
    virtual void ReleaseData() { mAvailable = true; }
    bool IsAvailable() const { return mAvailable; }

private:
    CHandle mData;
    std::atomic<bool> mAvailable{true};
};
