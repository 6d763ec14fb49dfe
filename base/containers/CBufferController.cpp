#include "CBufferController.h"

#include "CDataBuffer.h"

#include <chrono>
#include <thread>

CBufferController::~CBufferController()
{
    Release();
}

void CBufferController::Release()
{
    Close();
    delete mFirstBuffer;
    delete mSecondBuffer;
    mFirstBuffer = nullptr;
    mSecondBuffer = nullptr;
    mCurrentBuffer = nullptr;
}

bool CBufferController::Open()
{
    return IsOpen() || OpenSelf();
}

void CBufferController::Close()
{
    if (IsOpen())
        CloseSelf();
}

CDataBuffer* CBufferController::GetOtherBuffer(CDataBuffer* buffer) const
{
    return buffer == mFirstBuffer ? mSecondBuffer : mFirstBuffer;
}

bool CBufferController::WriteData(const unsigned char* bytes, uint32_t n)
{
    if (!mFirstBuffer || !mSecondBuffer)
        return false;
    for (;;) {
        switch (TryPlace(bytes, n)) {
        case Placed::kDone:
            return true;
        case Placed::kFailed:
            return false;
        case Placed::kWait:
            std::this_thread::sleep_for(std::chrono::milliseconds(kWaitMilliseconds));
            break;
        }
    }
}

// One look at the buffers: places the block when the buffer it belongs in is free.
CBufferController::Placed CBufferController::TryPlace(const unsigned char* bytes, uint32_t n)
{
    std::lock_guard<std::recursive_mutex> lock(mHandOver);
    CDataBuffer* current = mCurrentBuffer;
    CDataBuffer* target = current ? GetOtherBuffer(current) : mFirstBuffer;
    if (!target->IsAvailable())
        // With the other buffer full and waiting, the block goes into the current one
        // once it is written; by then that one is the "other" of the new current.
        return Placed::kWait;
    if (!target->SetData(bytes, n))
        return Placed::kFailed;
    // A block that finds nothing in flight, or any block when passing at once, goes
    // to the consumer now; otherwise the consumer's EndWrite passes it on.
    if (!current || mPassAtOnce || current->IsAvailable())
        ReallyWriteData(target);
    return Placed::kDone;
}

bool CBufferController::ReallyWriteData(CDataBuffer* buffer)
{
    mCurrentBuffer = buffer;
    return true;
}

void CBufferController::EndWrite(CDataBuffer* buffer)
{
    if (!buffer)
        return;
    std::lock_guard<std::recursive_mutex> lock(mHandOver);
    buffer->ReleaseData();
    if (!mPassAtOnce) {
        CDataBuffer* other = GetOtherBuffer(buffer);
        if (other && !other->IsAvailable())
            ReallyWriteData(other);
    }
}

void CBufferController::ReachEnd()
{
    std::lock_guard<std::recursive_mutex> lock(mHandOver);
    CDataBuffer* current = mCurrentBuffer;
    if (!current)
        return;
    if (mPassAtOnce) {
        // Blocks finish in the order handed over: the older one first.
        CDataBuffer* other = GetOtherBuffer(current);
        EndWrite(other && !other->IsAvailable() ? other : current);
    } else {
        mCurrentBuffer = nullptr;
        EndWrite(current);
    }
}
