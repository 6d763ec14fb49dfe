#pragma once
// The tracks of an audio CD, each with a tick that chooses it for ripping: its number,
// the file it is ripped to, duration, estimated size and status.
#include "CObjectListControl.h"

class CAudioCdTrack2;

class CAudioCdTrackListControl : public CObjectListControl {
public:
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
    // 0 an audio track, 1 a data track.
    int GetObjectImage(CPersistObject* object) override;
    bool GetObjectChecked(CPersistObject* object) override;
    bool CheckObject(CPersistObject* object, bool checked) override;

    // The track of the single selected row; otherwise null.
    CAudioCdTrack2* GetSelectedFile();
};
