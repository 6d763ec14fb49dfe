#pragma once
// The modal dialog that shows a property list as names and values.
#include "CDataPropertiesListControl.h"
#include "CPropertyList.h"
#include "afx/windows/CDialog.h"

class CDataPropertiesDialog : public CDialog {
public:
    enum { IDD = 3002 };
    static constexpr UINT kListId = 3012;

    explicit CDataPropertiesDialog(CWnd* parent = nullptr);
    ~CDataPropertiesDialog() override;

    CPropertyList& GetProperties() { return mProperties; }
    CDataPropertiesListControl& GetListControl() { return mList; }
    static void RegisterTemplate();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    CPropertyList mProperties;
    CDataPropertiesListControl mList;
};
