#include "CMultiFile.h"
#include "CMultiFileSegment.h"
#include "UStringBuffer.h"

CMultiFile::CMultiFile() = default;
CMultiFile::~CMultiFile() = default;

void CMultiFile::Add(const char* path)
{
    auto segment = std::make_unique<CMultiFileSegment>();
    segment->SetFilePath(path);
    m_segments.push_back(std::move(segment));
}

void CMultiFile::Reset()
{
    m_segments.clear();
    m_current = nullptr;
    m_totalSize = 0;
}

bool CMultiFile::Open(bool write)
{
    if (m_segments.empty()) return false;
    __int64 total = 0;
    bool ok = true;
    for (auto& segment : m_segments) {
        segment->SetStartPosition(total);
        ok = segment->Open(write);
        if (!ok) break;
        total += segment->GetFileLength();
    }
    m_totalSize = total;
    m_current = m_segments.front().get();
    return ok;
}

void CMultiFile::Close()
{
    for (auto& segment : m_segments) segment->Close();
    m_current = nullptr;
}

__int64 CMultiFile::Seek(__int64 offset, DWORD origin)
{
    switch (origin) {
    case 0: return SeekFromBegin(offset);
    case 1: return SeekFromCurrent(offset);
    case 2: return SeekFromEnd(offset);
    default: return kSeekFailed;
    }
}

__int64 CMultiFile::SeekFromBegin(__int64 position)
{
    DWORD offset = 0;
    m_current = FindSegment(position, offset);
    if (!m_current) return kSeekFailed;
    m_current->Seek(offset);
    return position;
}

__int64 CMultiFile::SeekFromCurrent(__int64 delta) { return SeekFromBegin(GetPhysicalPosition() + delta); }

__int64 CMultiFile::SeekFromEnd(__int64 delta) { return SeekFromBegin(GetSize() - delta); }

template <class Transfer>
DWORD CMultiFile::RunOn(DWORD count, Transfer transfer)
{
    if (!m_current) return 0;
    DWORD done = 0;
    for (;;) {
        done += transfer(m_current, done, count - done);
        if (done >= count) break;
        auto it = m_segments.begin();
        while (it != m_segments.end() && it->get() != m_current) ++it;
        if (it == m_segments.end() || ++it == m_segments.end()) break;
        m_current = it->get();
        m_current->Seek(0);
    }
    return done;
}

DWORD CMultiFile::Read(unsigned char* buffer, DWORD count)
{
    return RunOn(count, [&](CMultiFileSegment* segment, DWORD done, DWORD rest) { return segment->Read(buffer + done, rest); });
}

DWORD CMultiFile::Write(const unsigned char* buffer, DWORD count)
{
    return RunOn(count, [&](CMultiFileSegment* segment, DWORD done, DWORD rest) { return segment->Write(buffer + done, rest); });
}

__int64 CMultiFile::GetSize()
{
    __int64 total = 0;
    for (auto& segment : m_segments) total += segment->GetFileLength();
    return total;
}

CMultiFileSegment* CMultiFile::FindSegment(__int64 position, DWORD& offset)
{
    for (auto& segment : m_segments) {
        __int64 start = segment->GetStartPosition();
        if (start <= position && position < start + segment->GetFileLength()) {
            offset = static_cast<DWORD>(position - start);
            return segment.get();
        }
    }
    return nullptr;
}

__int64 CMultiFile::GetPhysicalPosition() const
{
    __int64 position = 0;
    for (auto& segment : m_segments) {
        if (segment.get() == m_current) return position + segment->GetPhysicalPosition();
        position += segment->GetFileLength();
    }
    return position;
}

char* CMultiFile::GetText() const { return m_current ? m_current->GetText() : UStringBuffer::Text(""); }
