#pragma once
// Edits the crop rectangle of one video track: the four edges of the kept picture, in source
// pixels.
#include "CObjectController2.h"

class CEntryField;
class CVideoTrack;

class CVideoCropController : public CObjectController2 {
public:
    CVideoCropController();
    ~CVideoCropController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CEntryField* left, CEntryField* top, CEntryField* right, CEntryField* bottom);
    void ReflectLeft();
    void ReflectTop();
    void ReflectRight();
    void ReflectBottom();
    void EnterLeft();
    void EnterTop();
    void EnterRight();
    void EnterBottom();
    void ResetCrop();

private:
    CVideoTrack* GetTrack() const;

    CEntryField* m_left = nullptr;
    CEntryField* m_top = nullptr;
    CEntryField* m_right = nullptr;
    CEntryField* m_bottom = nullptr;
};
