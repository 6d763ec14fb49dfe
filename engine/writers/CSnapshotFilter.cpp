#include "CSnapshotFilter.h"

#include "CFilePrompter.h"
#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"

#include <cstring>

namespace {

// The save kind the snapshot filter writes for a file extension.
LONG SaveKind(const CString& extension)
{
    if (extension.CompareNoCase("gif") == 0) return 1001;
    if (extension.CompareNoCase("jpg") == 0) return 1002;
    return 1000;
}

constexpr LONG kSnapQuality = 107;

} // namespace

CSnapshotFilter::CSnapshotFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_SnapShot);
    SetOwnComponent(true);
}

CSnapshotFilter::~CSnapshotFilter()
{
    CSnapshotFilter::Release();
}

void CSnapshotFilter::SetSize(unsigned short width, unsigned short height)
{
    m_width = width;
    m_height = height;
}

void CSnapshotFilter::CompleteCreate()
{
    CTransformerFilter::CompleteCreate();
    QueryInterfaceTo(GetFilter(), &m_settings);
    QueryInterfaceTo(GetFilter(), &m_grab);
    QueryInterfaceTo(GetFilter(), &m_scaledGrab);
    if (!m_settings) return;
    m_settings->SetMode(m_mode);
    m_settings->SetKind(m_kind);
    m_settings->SetPosition(m_position);
    m_settings->SetResize(m_resize ? 1 : 0);
    m_settings->SetWidth(m_width);
    m_settings->SetHeight(m_height);
    m_settings->SetName(m_imageName);
}

void CSnapshotFilter::Release()
{
    SafeRelease(m_settings);
    SafeRelease(m_grab);
    SafeRelease(m_scaledGrab);
    CTransformerFilter::Release();
}

bool CSnapshotFilter::Snap(unsigned short width, unsigned short height)
{
    BYTE* image = nullptr;
    LONG size = 0;
    HRESULT hr = E_NOINTERFACE;
    if (width > 0 && height > 0) {
        if (m_scaledGrab) hr = m_scaledGrab->GrabScaledImage(width, height, &image, &size);
    } else if (m_grab) {
        hr = m_grab->GrabImage(&image, &size);
    }
    if (hr != S_OK || !image || size <= 0) {
        if (image && m_scaledGrab) m_scaledGrab->ReleaseImage(image);
        return false;
    }
    CFilePrompter own;
    CFilePrompter& prompter = m_prompter ? *m_prompter : own;
    prompter.AddFilter("*.bmp", "BMP (*.bmp)");
    prompter.AddFilter("*.jpg", "JPG (*.jpg)");
    bool saved = false;
    if (prompter.PromptSaveAs()) {
        CString extension;
        const CString path = prompter.GetFile(0, extension);
        if (!path.IsEmpty() && m_settings)
            saved = SUCCEEDED(m_settings->SaveImage(image, size, path, SaveKind(extension), kSnapQuality));
    }
    if (m_scaledGrab) m_scaledGrab->ReleaseImage(image);
    return saved;
}
