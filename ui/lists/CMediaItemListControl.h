#pragma once
// What the media file list and the conversion list share: files come in through a media
// file verifier (prompt or drop), rows show one media file each (the item itself or its
// input), and the user removes, clears, opens and inspects them.
#include "CFastObjectListControl.h"
#include "FourCharCode.h"

#include <memory>

class CMediaFile2;
class CMediaFileVerifier;
class CMediaVerifier;

class CMediaItemListControl : public CFastObjectListControl {
public:
    // The flags go to the verifier, which always takes several files at once.
    CMediaItemListControl(bool audio, bool video, bool requireAudio);
    ~CMediaItemListControl() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    int GetObjectImage(CPersistObject* object) override;

    // The verifier's prompt; the checked files arrive in AddFiles.
    virtual void Add();
    virtual void Remove();
    virtual void Clear();
    // Takes out every converted item.
    virtual void RemoveCompleted();
    // Takes the verifier's accepted files into the bound list, then reports the refused ones.
    void AddFiles(CMediaVerifier* verifier);

    void ShellOpen();
    void RunPropertiesDialog();
    // False unless exactly one row is selected.
    bool GetFileName(CString& text);
    bool GetFileTypeText(CString& text);
    bool GetVideoTrackText(CString& text);
    bool GetAudioTrackText(CString& text);

    CMediaFileVerifier& GetVerifier() { return *m_verifier; }

protected:
    // The type code of the list's items.
    virtual LONG GetItemType() const = 0;
    // The media file a row shows: the item itself or its input.
    virtual CMediaFile2* GetItemFile(CPersistObject* item) = 0;
    // Puts an accepted file into the bound list; the list takes it.
    virtual void TakeFile(CMediaFile2* file) = 0;
    // Takes the item out of the bound list and deletes it.
    virtual void DeleteItem(CPersistObject* item) = 0;

    // The item of the single selected row, of the list's type; otherwise null.
    CPersistObject* GetSelectedItem();
    CMediaFile2* GetSelectedMediaFile();
    // The item of a row, of the list's own type, or null.
    CPersistObject* AsItem(CPersistObject* object) const;
    CMediaFile2* GetFileOf(CPersistObject* object);

    int OnCreate(LPCREATESTRUCT cs);
    void OnDropFiles(HDROP drop);
    void OnDblclk(NMHDR* notice, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CMediaFileVerifier> m_verifier;
};
