#include "CMediaFile2Controller.h"

#include "CMediaFile2.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CEdit.h"

CMediaFile2Controller::CMediaFile2Controller()
{
    mExpectedType = FourCharCode("mfl2");
}

CMediaFile2* CMediaFile2Controller::GetFile() const
{
    return static_cast<CMediaFile2*>(GetObjectA());
}

void CMediaFile2Controller::SetControls(CEdit* file, CButton* preview)
{
    m_file = file;
    m_preview = preview;
    Refresh();
}

void CMediaFile2Controller::ReflectFile()
{
    UWindowsUtils::SetWindowTextA(m_file, GetFile() ? GetFile()->GetFilePath().GetFilePath().GetString() : "-");
}

void CMediaFile2Controller::ReflectPreview()
{
    UWindowsUtils::EnableWindow(m_preview, GetFile() != nullptr);
}

void CMediaFile2Controller::Refresh()
{
    ReflectFile();
    ReflectPreview();
}

char* CMediaFile2Controller::GetText()
{
    if (!GetFile()) return CObjectController2::GetText();
    return UStringBuffer::Text(GetFile()->GetFilePath().GetFileNameOnly());
}
