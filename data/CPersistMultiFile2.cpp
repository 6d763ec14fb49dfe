#include "CPersistMultiFile2.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistMultiFile2, CPersistFile2, FourCharCode("pmf2"))

const char* const CPersistMultiFile2::kMultiFileMultiTag = "multi file";
const char* const CPersistMultiFile2::kMultiFileStartTag = "start";
const char* const CPersistMultiFile2::kMultiFileEndTag = "end";
const char* const CPersistMultiFile2::kMultiFileSegmentsTag = "segments";

CPersistMultiFile2::CPersistMultiFile2()
{
    m_segments.SetChildClassId(FourCharCode("psf2"));
}

CPersistMultiFile2& CPersistMultiFile2::operator=(const CPersistMultiFile2& other)
{
    if (this == &other) return *this;
    CPersistFile2::operator=(other);
    m_isMultiFile = other.m_isMultiFile;
    m_start = other.m_start;
    m_end = other.m_end;
    m_segments = other.m_segments;
    return *this;
}

void CPersistMultiFile2::Clear()
{
    CPersistFile2::Clear();
    m_isMultiFile = false;
    m_start = 0;
    m_end = 0;
    m_segments.StopBroadcasting();
    m_segments.Clear();
    m_segments.StartBroadcasting();
}

void CPersistMultiFile2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistFile2::SaveSelf(name, storage);
    storage.Save(kMultiFileMultiTag, m_isMultiFile);
    storage.Save(kMultiFileStartTag, m_start);
    storage.Save(kMultiFileEndTag, m_end);
    m_segments.Save(kMultiFileSegmentsTag, storage);
}

void CPersistMultiFile2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistFile2::LoadSelf(name, storage);
    storage.Load(kMultiFileMultiTag, m_isMultiFile);
    storage.Load(kMultiFileStartTag, m_start);
    storage.Load(kMultiFileEndTag, m_end);
    m_segments.Load(kMultiFileSegmentsTag, storage);
    UDataListUtils::DropForeignItems(m_segments, FourCharCode("psf2"));
}

MV_IMPLEMENT_PLAIN_PROPERTY(CPersistMultiFile2, IsMultiFile, bool, bool, m_isMultiFile, kIsMultiFileChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPersistMultiFile2, Start, int64_t, int64_t, m_start, kStartChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPersistMultiFile2, End, int64_t, int64_t, m_end, kEndChangedNotice)

void CPersistMultiFile2::AddSegment(CPersistFile2* segment)
{
    m_segments.Add(segment);
}

void CPersistMultiFile2::RemoveSegment(CPersistFile2* segment)
{
    m_segments.Remove(segment);
}

CPersistFile2* CPersistMultiFile2::GetSegment(int index) const
{
    return static_cast<CPersistFile2*>(m_segments.GetAt(index));
}
