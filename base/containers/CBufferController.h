#pragma once
// Passes a stream of blocks from a producer to a consumer through two buffers, so the
// producer fills one while the consumer writes out the other. Derived classes create
// the buffers and do the writing; this class holds the hand-over only.
//
// The producer calls WriteData; the consumer calls ReachEnd or EndWrite when a buffer
// is written, possibly on another thread. The hand-over decisions of both sides are
// serialised so that a filled buffer is never left without someone to pass it on;
// the producer never holds that lock while it sleeps. ReallyWriteData must not wait
// for the consumer to finish.
#include <atomic>
#include <cstdint>
#include <mutex>

class CDataBuffer;

class CBufferController {
public:
    CBufferController() = default;
    // The buffers are owned; a controller is never copied.
    CBufferController(const CBufferController&) = delete;
    CBufferController& operator=(const CBufferController&) = delete;
    virtual ~CBufferController();

    virtual bool Create() { return false; }
    // Closes, then deletes both buffers.
    virtual void Release();
    virtual bool Open();
    virtual void Close();
    virtual bool IsOpen() { return false; }
    virtual bool OpenSelf() { return true; }
    virtual void CloseSelf() {}
    // Blocks in 20 ms sleeps while both buffers are full. False when there are no
    // buffers or the block cannot be stored.
    virtual bool WriteData(const unsigned char* bytes, uint32_t n);
    // Hands a filled buffer to the consumer; derived classes call this base first.
    virtual bool ReallyWriteData(CDataBuffer* buffer);
    // The consumer finished the buffer that was busy.
    virtual void ReachEnd();
    // The consumer has written the buffer.
    virtual void EndWrite(CDataBuffer* buffer);

    CDataBuffer* GetOtherBuffer(CDataBuffer* buffer) const;
    CDataBuffer* GetFirstBuffer() const { return mFirstBuffer; }
    CDataBuffer* GetSecondBuffer() const { return mSecondBuffer; }
    CDataBuffer* GetCurrentBuffer() const { return mCurrentBuffer; }

    static constexpr int kWaitMilliseconds = 20;

protected:
    // Set by Create.
    CDataBuffer* mFirstBuffer = nullptr;
    CDataBuffer* mSecondBuffer = nullptr;
    // Set by a derived constructor: hand every block to the consumer at once.
    bool mPassAtOnce = false;

private:
    enum class Placed { kDone, kWait, kFailed };
    Placed TryPlace(const unsigned char* bytes, uint32_t n);

    std::atomic<CDataBuffer*> mCurrentBuffer{nullptr};
    std::recursive_mutex mHandOver;
};
