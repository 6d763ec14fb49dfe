#pragma once
// The media files to convert, one row each: where from and to, duration, the sound or
// picture facts, estimated size and status.
#include "CMediaItemListControl.h"

class CMediaList2;

class CMediaFileListControl : public CMediaItemListControl {
public:
    // The audio flag chooses the audio columns, the video flag the video texts.
    CMediaFileListControl(bool audio, bool video, bool requireAudio);

    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;

    static CString GetStatusText(CMediaFile2* file);
    CMediaFile2* GetSelectedFile();

protected:
    LONG GetItemType() const override { return FourCharCode("mfl2"); }
    CMediaFile2* GetItemFile(CPersistObject* item) override;
    void TakeFile(CMediaFile2* file) override;
    void DeleteItem(CPersistObject* item) override;

private:
    CMediaList2* GetMediaList();

    bool m_audio;
    bool m_video;
};
