#include "CDvdFileInfo.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CDvdFileInfo, CPersistObject, FourCharCode("dvdf"))

namespace {
const char* const kTitleTag = "dvd title";
const char* const kFirstCellTag = "dvd first cell";
const char* const kLastCellTag = "dvd last cell";
}

void CDvdFileInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kTitleTag, m_title);
    storage.Save(kFirstCellTag, m_firstChapter);
    storage.Save(kLastCellTag, m_lastChapter);
}

void CDvdFileInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kTitleTag, m_title);
    storage.Load(kFirstCellTag, m_firstChapter);
    storage.Load(kLastCellTag, m_lastChapter);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CDvdFileInfo, Title, unsigned short, unsigned short, m_title, kTitleChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CDvdFileInfo, FirstChapter, unsigned short, unsigned short, m_firstChapter,
                            kFirstChapterChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CDvdFileInfo, LastChapter, unsigned short, unsigned short, m_lastChapter,
                            kLastChapterChangedNotice)
