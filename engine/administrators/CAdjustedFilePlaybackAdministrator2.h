#pragma once
// Previews a file with its output size, crop, flip, rotation, aspect and scaling applied;
// rebuilt by Refresh whenever a setting that needs the scaler changed.
#include "CFilePlaybackAdministrator2.h"
#include "EImageFlip.h"
#include "EImageRotation.h"
#include "TVideoScaling.h"

class CAdjustedFilePlaybackAdministrator2 : public CFilePlaybackAdministrator2 {
public:
    CAdjustedFilePlaybackAdministrator2() = default;
    ~CAdjustedFilePlaybackAdministrator2() override;

    bool CreateRenderOutputFilters() override;
    void Reset() override;

    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetCropLeft(unsigned short left) { m_cropLeft = left; }
    void SetCropTop(unsigned short top) { m_cropTop = top; }
    void SetCropRight(unsigned short right) { m_cropRight = right; }
    void SetCropBottom(unsigned short bottom) { m_cropBottom = bottom; }
    void SetFlip(EImageFlip flip);
    void SetRotation(EImageRotation rotation);
    void SetInputAspectRatio(double ratio);
    void SetOutputAspectRatio(double ratio);
    void SetScaling(TVideoScaling scaling);
    void SetNeedsScaler(bool needs);
    bool GetNeedsScaler() const;
    void SetRefresh(bool refresh) { m_refresh = refresh; }
    bool GetRefresh() const { return m_refresh; }
    // Rebuilds the preview, left paused on its new picture, when a change asked for it.
    void Refresh();

private:
    template <class T> void Change(T& field, T value)
    {
        if (field == value) return;
        field = value;
        SetNeedsScaler(GetNeedsScaler());
    }

    unsigned short m_width = 0, m_height = 0;
    unsigned short m_cropLeft = 0, m_cropTop = 0, m_cropRight = 0, m_cropBottom = 0;
    EImageFlip m_flip = EImageFlip(0);
    EImageRotation m_rotation = EImageRotation(0);
    double m_inputAspect = 0, m_outputAspect = 0;
    TVideoScaling m_scaling = TVideoScaling(0);
    bool m_needsScaler = false;
    bool m_refresh = true;
};
