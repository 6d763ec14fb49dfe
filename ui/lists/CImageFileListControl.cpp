#include "CImageFileListControl.h"

#include "CImageFileAdder.h"
#include "CImageFileListDisplay.h"
#include "CSlideInfo2.h"
#include "CSlideShow2.h"
#include "USelectedObjects.h"

#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

BEGIN_MESSAGE_MAP(CImageFileListControl, CFastObjectListControl)
    ON_WM_CREATE()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

namespace {
CSlideInfo2* AsSlide(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("slif")) ? static_cast<CSlideInfo2*>(object) : nullptr;
}
} // namespace

CImageFileListControl::CImageFileListControl() : m_adder(std::make_unique<CImageFileAdder>())
{
    m_adder->AddListener(this);
}

CImageFileListControl::~CImageFileListControl()
{
    m_adder->RemoveListener(this);
}

bool CImageFileListControl::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kImagesVerifiedMessage && p == static_cast<const void*>(m_adder.get())) {
        AddFiles();
        return true;
    }
    return CFastObjectListControl::ListenToMessage(message, p, q);
}

CPersistList* CImageFileListControl::GetList(CPersistObject* object)
{
    auto* show = dynamic_cast<CSlideShow2*>(object);
    return show ? &show->GetSlides() : nullptr;
}

CObjectDisplay* CImageFileListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CImageFileListDisplay(this) : nullptr;
}

void CImageFileListControl::CreateListHeaders()
{
    InsertColumn(0, "File", LVCFMT_LEFT, 160);
    InsertColumn(1, "Path", LVCFMT_LEFT, 360);
}

UINT CImageFileListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11002;
}

CString CImageFileListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CSlideInfo2* slide = AsSlide(object);
    if (slide && column == 0) return slide->GetFilePath().GetFileNameOnly();
    if (slide && column == 1) return slide->GetFilePath().GetPathOnly();
    return "Error";
}

void CImageFileListControl::Add()
{
    m_adder->Add();
}

void CImageFileListControl::AddFiles()
{
    auto* show = dynamic_cast<CSlideShow2*>(GetObjectA());
    CPointerList& items = m_adder->GetItemList();
    // Without a show the pictures stay with the adder, which deletes them.
    if (!show) return;
    for (int i = 0; i < items.GetItemCount(); ++i) {
        auto* image = static_cast<CImageFile2*>(items.GetAt(i));
        if (CSlideInfo2* slide = AsSlide(image)) {
            show->AddSlide(slide);
            continue;
        }
        // The adder checks plain pictures; the show keeps slides of them.
        auto* slide = new CSlideInfo2;
        slide->GetFilePath().SetFilePath(image->GetFilePath().GetFilePath());
        slide->GetImageInfo().SetWidth(image->GetImageInfo().GetWidth());
        slide->GetImageInfo().SetHeight(image->GetImageInfo().GetHeight());
        show->AddSlide(slide);
        delete image;
    }
    items.RemoveAll();
}

void CImageFileListControl::Remove()
{
    auto* show = dynamic_cast<CSlideShow2*>(GetObjectA());
    if (!show) return;
    for (CPersistObject* slide : USelectedObjects::Of(*this, FourCharCode("slif")))
        show->RemoveSlide(static_cast<CSlideInfo2*>(slide));
}

void CImageFileListControl::Clear()
{
    SelectAll(false);
    auto* show = dynamic_cast<CSlideShow2*>(GetObjectA());
    for (int i = show ? show->GetSlideCount() - 1 : -1; i >= 0; --i) show->RemoveSlide(show->GetSlide(i));
}

int CImageFileListControl::OnCreate(LPCREATESTRUCT cs)
{
    int result = CFastObjectListControl::OnCreate(cs);
    if (result != -1) DragAcceptFiles(TRUE);
    return result;
}

void CImageFileListControl::OnDropFiles(HDROP drop)
{
    m_adder->AddDroppedFiles(drop);
    CFastObjectListControl::OnDropFiles(drop);
}
