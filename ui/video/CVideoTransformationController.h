#pragma once
// Edits how a video track's picture is flipped and rotated.
#include "CObjectController2.h"

class CComboBox;
class CVideoTransformation;

class CVideoTransformationController : public CObjectController2 {
public:
    CVideoTransformationController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* flip, CComboBox* rotate);
    void PopulateFlipCombo();
    void PopulateRotateCombo();
    void ReflectFlip();
    void ReflectRotate();
    void EnterFlip();
    void EnterRotate();

private:
    CVideoTransformation* GetTransformation() const;

    CComboBox* m_flip = nullptr;
    CComboBox* m_rotate = nullptr;
};
