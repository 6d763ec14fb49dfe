#pragma once
// The title and chapter range of a DVD input.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CDvdFileInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CDvdFileInfo)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Title, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(FirstChapter, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(LastChapter, unsigned short, unsigned short)

    unsigned short GetTitle() const { return m_title; }
    unsigned short GetFirstChapter() const { return m_firstChapter; }
    unsigned short GetLastChapter() const { return m_lastChapter; }

    static constexpr LONG kTitleChangedNotice = FourCharCode("dvdh");
    static constexpr LONG kFirstChapterChangedNotice = FourCharCode("dvdi");
    static constexpr LONG kLastChapterChangedNotice = FourCharCode("dvdj");

private:
    unsigned short m_title = 0;
    unsigned short m_firstChapter = 0;
    unsigned short m_lastChapter = 0;
};
