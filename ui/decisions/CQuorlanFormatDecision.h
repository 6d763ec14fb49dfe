#pragma once
// The device converter's decision: platform, presets and limits come from the user's
// settings of the selected device, and every file of the conversion list stays decided
// as those settings change.
#include "CFormatDecision.h"
#include "CListener.h"

class CPersistList;
class CPortableMediaConversion;
class CQuorlanData;
class CTargetDevice;

class CQuorlanFormatDecision : public CFormatDecision, public CListener {
public:
    CQuorlanFormatDecision() = default;
    ~CQuorlanFormatDecision() override;

    unsigned char GetQuality() override;
    ULONG GetMaxVideoBitrate() override;
    ULONG GetMaxAudioBitrate() override;
    CTargetConversion* FindTarget(CMediaFile2* input, CMediaOutput2* output) override;

    // The records are not owned; each is listened to while it is held.
    void SetData(CQuorlanData* document);
    void SetProfile(CPortableMediaConversion* settings);
    void SetQuality(CTargetDevice* device);
    void SetFileList(CPersistList* files);
    void UpdateProfile();
    void UpdateFileList();
    void UpdateFormat();

    CQuorlanData* GetData() const { return m_document; }
    CPortableMediaConversion* GetProfile() const { return m_settings; }
    CTargetDevice* GetDevice() const { return m_device; }
    CPersistList* GetFileList() const { return m_files; }

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

private:
    CQuorlanData* m_document = nullptr;
    CPortableMediaConversion* m_settings = nullptr;
    CTargetDevice* m_device = nullptr;
    CPersistList* m_files = nullptr;
};
