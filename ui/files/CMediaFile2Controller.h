#pragma once
// Shows an input file's path and opens its preview.
#include "CObjectController2.h"

class CButton;
class CEdit;
class CMediaFile2;

class CMediaFile2Controller : public CObjectController2 {
public:
    CMediaFile2Controller();

    void Refresh() override;
    char* GetText() override;

    void SetControls(CEdit* file, CButton* preview);
    void ReflectFile();
    void ReflectPreview();
    // Opens the preview on a copy of the file and takes the user's settings back on OK.
    void Prompt();

private:
    CMediaFile2* GetFile() const;

    CEdit* m_file = nullptr;
    CButton* m_preview = nullptr;
};
