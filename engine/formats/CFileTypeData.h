#pragma once
// A known input file type: display name, whether it may carry video and audio, and its
// extensions.
#include "CNamedObject.h"
#include "CPersistList.h"

class CFileExtensionData;

class CFileTypeData : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CFileTypeData)
public:
    CFileTypeData();
    CFileTypeData(const CFileTypeData& other);
    CFileTypeData& operator=(const CFileTypeData& other);
    ~CFileTypeData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    bool SetAllowVideo(bool allow);
    bool GetAllowVideo() const { return m_video; }
    bool SetAllowAudio(bool allow);
    bool GetAllowAudio() const { return m_audio; }

    int GetExtensionCount() const { return m_extensions.GetItemCount(); }
    CFileExtensionData* GetExtension(int index) const;
    void AddExtension(CFileExtensionData* entry);
    void RemoveExtension(CFileExtensionData* entry);
    // The entry equal to the lower-cased text.
    CFileExtensionData* FindExtension(const char* extension) const;
    CFileExtensionData* AddExtension(const char* extension);

    static constexpr LONG kType = FourCharCode("ftyd");
    static constexpr LONG kVideoChangedNotice = FourCharCode("ftye");
    static constexpr LONG kAudioChangedNotice = FourCharCode("ftyf");
    static const char* const kVideoTag;
    static const char* const kAudioTag;
    static const char* const kExtensionsTag;

private:
    bool m_video = true;
    bool m_audio = true;
    CPersistList m_extensions{true};
};
