#pragma once
// The about box: the product, the running program's version and the version of
// every library in the program's folder.
#include "afx/gdi/CBitmap.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CListCtrl.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

    // For the current application, or for a given product name.
    static void About();
    static void About(const char* product);

    void SetTitle(const char* title) { m_title = title ? title : ""; }
    void SetProduct(const char* product) { m_product = product ? product : ""; }
    void SetVersion(const char* version) { m_version = version ? version : ""; }
    // The version text of the running program file.
    static CString ReadSelfVersion();
    void ReadComponentsVersions();
    void OnButtonMore();

    // The folder whose libraries are listed; the program's folder unless a test says otherwise.
    void SetComponentsFolder(const char* folder) { m_folder = folder ? folder : ""; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString m_title;
    CString m_product;
    CString m_version;
    CString m_folder;
    CListCtrl m_list;
    CBitmap m_picture;
};
