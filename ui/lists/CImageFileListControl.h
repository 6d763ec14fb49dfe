#pragma once
// The slides of a slide show, one row each: the picture's file name and its folder.
// Pictures come in through an image file adder, by prompt or by dropping them.
#include "CFastObjectListControl.h"

#include <memory>

class CImageFileAdder;

class CImageFileListControl : public CFastObjectListControl {
public:
    CImageFileListControl();
    ~CImageFileListControl() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
    int GetObjectImage(CPersistObject*) override { return 0; }

    // The adder's prompt; the checked pictures arrive in AddFiles.
    virtual void Add();
    virtual void Remove();
    virtual void Clear();
    // Takes the adder's accepted pictures into the show as slides.
    void AddFiles();

    CImageFileAdder& GetAdder() { return *m_adder; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDropFiles(HDROP drop);
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CImageFileAdder> m_adder;
};
