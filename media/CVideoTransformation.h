#pragma once
// A flip and a rotation applied to a picture.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

using EImageFlip = LONG;
using EImageRotation = LONG;

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
    EImageFlip m_flip = 0;
    EImageRotation m_rotate = 0;
};
