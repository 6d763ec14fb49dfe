#include "CAsyncFileWriter.h"
#include "PathField.h"
#include "CFileDataBuffer.h"

#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

#include <cstring>

CAsyncFileWriter::~CAsyncFileWriter() { Close(); }

void CAsyncFileWriter::SetFilePath(const char* path, bool overwrite)
{
    SetPathField(m_path, path);
    m_overwrite = overwrite;
}

void CAsyncFileWriter::GetFilePath(char* out) const
{
    if (out) std::strcpy(out, m_path);
}

bool CAsyncFileWriter::Create()
{
    if (!mFirstBuffer) mFirstBuffer = new CFileDataBuffer;
    if (!mSecondBuffer) mSecondBuffer = new CFileDataBuffer;
    return true;
}

bool CAsyncFileWriter::OpenSelf()
{
    m_file = CreateFile(m_path, GENERIC_WRITE, 0, nullptr, m_overwrite ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_FLAG_OVERLAPPED, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    if (!m_overwrite && !GetFileSizeEx(m_file, &size)) {
        CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        return false;
    }
    m_position = m_overwrite ? 0 : static_cast<uint64_t>(size.QuadPart);
    m_failed = false;
    return true;
}

void CAsyncFileWriter::CloseSelf()
{
    // Every queued write completes before the handle goes.
    while ((mFirstBuffer && !mFirstBuffer->IsAvailable()) || (mSecondBuffer && !mSecondBuffer->IsAvailable()))
        SleepEx(kWaitMilliseconds, TRUE);
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

CFileDataBuffer* CAsyncFileWriter::TargetBuffer() const
{
    CDataBuffer* current = GetCurrentBuffer();
    return static_cast<CFileDataBuffer*>(current ? GetOtherBuffer(current) : mFirstBuffer);
}

void CAsyncFileWriter::WaitForRoom()
{
    SleepEx(0, TRUE);
    while (!TargetBuffer()->IsAvailable()) SleepEx(kWaitMilliseconds, TRUE);
}

bool CAsyncFileWriter::WriteData(const unsigned char* bytes, uint32_t n)
{
    if (!mFirstBuffer || !mSecondBuffer || !IsOpen()) return false;
    WaitForRoom();
    TargetBuffer()->SetOffset(m_position);
    if (!CBufferController::WriteData(bytes, n)) return false;
    m_position += n;
    return true;
}

bool CAsyncFileWriter::ReallyWriteData(CDataBuffer* buffer)
{
    auto* block = static_cast<CFileDataBuffer*>(buffer);
    m_overlapped = OVERLAPPED{};
    m_overlapped.Offset = static_cast<DWORD>(block->GetOffset() & 0xFFFFFFFFu);
    m_overlapped.OffsetHigh = static_cast<DWORD>(block->GetOffset() >> 32);
    m_overlapped.hEvent = this; // completion routines find the writer here
    if (!WriteFileEx(m_file, block->GetBuffer(), block->GetBufferSize(), &m_overlapped, Completed)) {
        // Nothing will complete it: free the buffer so the producer never waits for it.
        m_failed = true;
        block->ReleaseData();
        return false;
    }
    return CBufferController::ReallyWriteData(buffer);
}

void CAsyncFileWriter::Completed(DWORD error, DWORD, LPOVERLAPPED overlapped)
{
    auto* writer = static_cast<CAsyncFileWriter*>(overlapped->hEvent);
    if (error != ERROR_SUCCESS) writer->m_failed = true;
    writer->ReachEnd();
}
