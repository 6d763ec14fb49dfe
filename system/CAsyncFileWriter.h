#pragma once
// Writes a stream of blocks to a file with overlapped writes, two buffers at a time. The
// writes complete on the producer's thread while it waits alertably, which WriteData and
// CloseSelf do, so every block handed in is written before the file closes. Write and
// close on one thread: completions run only on the thread that queued the writes.
#include "CBufferController.h"

#include "win32/kernel/Files.h"

class CFileDataBuffer;

class CAsyncFileWriter : public CBufferController {
public:
    static constexpr int kMaxPath = 259;

    CAsyncFileWriter() = default;
    ~CAsyncFileWriter() override;

    // overwrite false appends to the file.
    void SetFilePath(const char* path, bool overwrite);
    void GetFilePath(char* out) const;

    bool Create() override;
    bool IsOpen() override { return m_file != INVALID_HANDLE_VALUE; }
    bool OpenSelf() override;
    void CloseSelf() override;
    bool WriteData(const unsigned char* bytes, uint32_t n) override;
    bool ReallyWriteData(CDataBuffer* buffer) override;

    // The bytes the file holds once every block handed in is written. 64-bit, so that
    // a file past 4 GB grows at its end instead of being overwritten from its start.
    uint64_t GetPosition() const { return m_position; }
    // Whether any block failed to reach the file since it was opened.
    bool HasFailed() const { return m_failed; }

private:
    static void Completed(DWORD error, DWORD bytes, LPOVERLAPPED overlapped);
    CFileDataBuffer* TargetBuffer() const;
    // Runs finished writes' completions, waiting while nothing is free.
    void WaitForRoom();

    char m_path[kMaxPath + 1] = {};
    bool m_overwrite = true;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    uint64_t m_position = 0;
    bool m_failed = false;
    OVERLAPPED m_overlapped{};
};
