#pragma once
// A flip and a rotation applied to a picture.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

#include "EImageFlip.h"
#include "EImageRotation.h"

class CVideoTransformation : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CVideoTransformation)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Flip, EImageFlip, EImageFlip)
    MV_DECLARE_PROPERTY(Rotate, EImageRotation, EImageRotation)

    EImageFlip GetFlip() const { return m_flip; }
    EImageRotation GetRotate() const { return m_rotate; }

    static constexpr LONG kFlipChangedNotice = FourCharCode("vitr");
    static constexpr LONG kRotateChangedNotice = FourCharCode("vits");

private:
    EImageFlip m_flip = kImageFlipNone;
    EImageRotation m_rotate = kImageRotationNone;
};
