#include "CFailedFilesDialog.h"

#include "CMediaFile2.h"
#include "CPersistList.h"
#include "UDialogTemplates.h"
#include "UFailureTexts.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CFailedFilesDialog;
    return U::Make("Unable to add files", 320, 220,
                   {U::Item("Static", "", D::kHeader, 0, 7, 7, 306, 24),
                    U::Item(WC_LISTVIEW, "", D::kList,
                            LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 34, 306, 100),
                    U::Item("Static", "", D::kDescription, 0, 7, 140, 306, 40),
                    U::Item("Button", "", D::kLink, BS_PUSHBUTTON | WS_TABSTOP, 7, 199, 120, 14),
                    U::Item("Button", "Close", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 263, 199, 50, 14)});
}

const char* HeaderText(bool audio, bool video)
{
    if (audio && video)
        return "The following files do not contain recognizable video or audio. Please select individual files to see "
               "more information.";
    if (audio)
        return "The following files do not contain recognizable audio. Please select individual files to see more "
               "information.";
    if (video)
        return "The following files do not contain recognizable video. Please select individual files to see more "
               "information.";
    return "Unexpected error.";
}

} // namespace

BEGIN_MESSAGE_MAP(CFailedFilesDialog, CDialog)
    ON_BN_CLICKED(kLink, OnLink)
END_MESSAGE_MAP()

CFailedFilesDialog::CFailedFilesDialog(bool audio, bool video, bool audioRequired, CWnd* parent)
    : CDialog(kTemplate, parent), m_audio(audio), m_video(video), m_audioRequired(audioRequired)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_list.AddListener(this);
}

CFailedFilesDialog::~CFailedFilesDialog()
{
    m_list.RemoveListener(this);
    // The rows must let go of the files before the list goes.
    m_list.SetObject(nullptr);
}

void CFailedFilesDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kHeader, m_header);
    DDX_Control(dx, kList, m_list);
    DDX_Control(dx, kDescription, m_description);
    DDX_Control(dx, kLink, m_link);
}

BOOL CFailedFilesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_header.SetWindowText(HeaderText(m_audio, m_video));
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.SetObject(m_failList);
    UpdateSelection();
    return TRUE;
}

CString CFailedFilesDialog::GetFailureText(CMediaFile2* file)
{
    return UFailureTexts::GetFailureText(file, m_audio, m_video, m_audioRequired);
}

void CFailedFilesDialog::UpdateSelection()
{
    if (!m_description.m_hWnd) return;
    CObjectDisplay* selected = m_list.GetSelectionCount() == 1 ? m_list.GetSelection() : nullptr;
    CPersistObject* object = selected ? selected->GetObjectA() : nullptr;
    if (object && object->IsInstanceOf(FourCharCode("mfl2")))
        m_description.SetWindowText(GetFailureText(static_cast<CMediaFile2*>(object)));
    else
        m_description.SetWindowText("Please select a file to view a detailed description.");
}

bool CFailedFilesDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kDisplaySelectionMessage) {
        UpdateSelection();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}
