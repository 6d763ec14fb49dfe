#pragma once
// One camera set-up of the broadcast application: its recording settings and the
// broadcast it feeds. Only the broadcast id is stored beside the recording settings.
#include "COstrelData.h"

class CBrivastCam : public COstrelData {
    MV_DECLARE_PERSIST_CLASS(CBrivastCam)
public:
    CBrivastCam();
    CBrivastCam(const CBrivastCam& other) = default;
    // Copies the four camera properties too, then announces the broadcasting state.
    CBrivastCam& operator=(const CBrivastCam& other);
    // These copy the recording settings only.
    CBrivastCam& operator=(const COstrelData& other);
    CBrivastCam& operator=(const CMediaWriter2& other);
    ~CBrivastCam() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // A stored broadcast id means the camera is not new.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A camera name as the service takes it: without blanks and '='.
    virtual CString ValidateName(const char* name);

    // An id of 0 stops broadcasting.
    MV_DECLARE_PROPERTY(Id, ULONG, ULONG)
    // A new camera has no broadcast id.
    MV_DECLARE_PROPERTY(New, bool, bool)
    MV_DECLARE_PROPERTY(Connected, bool, bool)
    MV_DECLARE_PROPERTY(Broadcasting, bool, bool)

    ULONG GetId() const { return m_id; }
    bool GetNew() const { return m_new; }
    bool GetConnected() const { return m_connected; }
    bool GetBroadcasting() const { return m_broadcasting; }

    static constexpr LONG kIdChangedNotice = FourCharCode("bvcn");
    static constexpr LONG kNewChangedNotice = FourCharCode("bvcr");
    static constexpr LONG kConnectedChangedNotice = FourCharCode("bvco");
    static constexpr LONG kBroadcastingChangedNotice = FourCharCode("bvcs");

private:
    ULONG m_id = 0;
    bool m_new = true;
    bool m_connected = false;
    bool m_broadcasting = false;
};
