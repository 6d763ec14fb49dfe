#include "COutputType2Controller.h"

#include "CFormatType.h"
#include "CFormatTypes.h"
#include "COutputType2.h"
#include "UComboChoices.h"
#include "UFormatRows.h"
#include "UStringBuffer.h"
#include "afx/controls/CComboBox.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

COutputType2Controller::COutputType2Controller()
{
    mExpectedType = FourCharCode("out2");
}

COutputType2* COutputType2Controller::GetOutputType() const
{
    return static_cast<COutputType2*>(GetObjectA());
}

CFormatType* COutputType2Controller::GetFormat() const
{
    return GetOutputType() ? UFormatRows::Find(GetOutputType()->GetSplitterType()) : nullptr;
}

void COutputType2Controller::SetControls(CComboBox* typeList)
{
    m_typeList = typeList;
    Refresh();
}

CString COutputType2Controller::GetSplitterTypeName(ESplitterType type)
{
    CFormatType* row = UFormatRows::Find(type);
    if (!row) return CString();
    return WantsVideo() ? row->GetName() : row->GetAudioTypeName();
}

ESplitterType COutputType2Controller::GetSplitterType(const char* name)
{
    if (!CFormatTypes::sFormatTypes || !name) return 0;
    CFormatType* row = CFormatTypes::sFormatTypes->FindFileType(name);
    return row ? row->GetSplitterType() : 0;
}

bool COutputType2Controller::ShowFormat(CFormatType* row)
{
    if (!row || !CFormatTypes::sFormatTypes || !CFormatTypes::SupportedByApp(row->GetSplitterType())) return false;
    if (row->GetAlias() != 0 && !UFormatRows::Find(row->GetAlias())) return false;
    return true;
}

void COutputType2Controller::PopulateSplitterTypeCombo()
{
    if (!m_typeList) return;
    UComboChoices::Clear(m_typeList);
    CFormatTypes* table = CFormatTypes::sFormatTypes;
    for (int i = 0; table && i < table->GetFileTypeCount(); ++i) {
        CFormatType* row = table->GetFileType(i);
        if (!ShowFormat(row)) continue;
        const CString name = GetSplitterTypeName(row->GetSplitterType());
        if (!name.IsEmpty()) UComboChoices::Add(m_typeList, name);
    }
}

void COutputType2Controller::ReflectSplitterType()
{
    if (!GetOutputType() || !m_typeList) return;
    UComboChoices::SelectExact(m_typeList, GetSplitterTypeName(GetOutputType()->GetSplitterType()));
}

void COutputType2Controller::EnterSplitterType()
{
    CString name;
    COutputType2* output = GetOutputType();
    if (!output || !UComboChoices::GetSelectedText(m_typeList, name)) return;
    const ESplitterType type = GetSplitterType(name);
    if (type == 0) {
        ReflectSplitterType();
        return;
    }
    if (UFormatRows::FormatInstalled(type)) {
        if (!output->SetSplitterType(type)) ReflectSplitterType();
        return;
    }
    // Back to the current type first, so the list never shows a type the record lacks.
    ReflectSplitterType();
    PromptErrorMessage(type);
}

CString COutputType2Controller::GetInstallText(ESplitterType type)
{
    switch (type) {
    case 120: return "Please install DivX codecs to output to DivX files.";
    case 130: return "Please install Xvid codecs to output to Xvid files.";
    case 200:
    case 250:
    case 251:
    case 252: return "Please install Windows Media Format 9 runtime to output to Windows Media files.";
    case 1100: return "Please install OGG DirectShow filters to output to OGG files.";
    case 1200: return "Please install Matroska Pack to output to Matroska files.";
    case 600:
    case 601:
    case 610:
    case 611:
    case 620:
    case 630:
    case 631:
    case 640:
    case 650: return "Please install QuickTime to output to QuickTime files.";
    case 1000: return "Please install the RealMedia producer to output to RealMedia files.";
    default: return CString();
    }
}

void COutputType2Controller::PromptErrorMessage(ESplitterType type)
{
    // A type without its own advice shows nothing.
    const CString text = GetInstallText(type);
    if (!text.IsEmpty()) AfxMessageBox(text, MB_OKCANCEL);
}

char* COutputType2Controller::GetText()
{
    if (!GetOutputType()) return UStringBuffer::Text("");
    return UStringBuffer::Text(GetSplitterTypeName(GetOutputType()->GetSplitterType()));
}

void COutputType2Controller::Refresh()
{
    PopulateSplitterTypeCombo();
    ReflectSplitterType();
}

bool COutputType2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == COutputType2::kSplitterTypeChangedNotice) {
        ReflectSplitterType();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
