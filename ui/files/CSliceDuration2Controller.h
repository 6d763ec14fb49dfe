#pragma once
// Edits one slice of a media file through the file, so that the slices around it follow, and
// glues it to its neighbours.
#include "CDuration2Controller.h"

class CButton;
class CMediaFile2;
class CSliceDuration2;

class CSliceDuration2Controller : public CDuration2Controller {
public:
    CSliceDuration2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    void EnterStartTime() override;
    void EnterEndTime() override;

    void SetMoreControls(CButton* linkPrevious, CButton* linkNext);
    void SetMediaFile(CMediaFile2* file) { m_file = file; }
    void ReflectLinkPrevious();
    void ReflectLinkNext();
    void EnterLinkPrevious();
    void EnterLinkNext();

private:
    CSliceDuration2* GetSlice() const;

    CMediaFile2* m_file = nullptr;
    CButton* m_linkPrevious = nullptr;
    CButton* m_linkNext = nullptr;
};
