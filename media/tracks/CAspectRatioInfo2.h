#pragma once
// The display aspect ratios of a picture (original, input, output; width over height)
// and how the input is scaled to the output.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

#include "TVideoScaling.h"

class CAspectRatioInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CAspectRatioInfo2)
public:
    bool GetEnumText(const char* field, CEnumMap& map) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Snaps the loaded ratios through the setters.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Carries the original over to the input.
    MV_DECLARE_PROPERTY(Original, double, double)
    // Equal input and output need no scaling: both reset it to stretch.
    MV_DECLARE_PROPERTY(Input, double, double)
    MV_DECLARE_PROPERTY(Output, double, double)
    MV_DECLARE_PROPERTY(Scaling, TVideoScaling, TVideoScaling)

    double GetOriginal() const { return m_original; }
    double GetInput() const { return m_input; }
    double GetOutput() const { return m_output; }
    TVideoScaling GetScaling() const { return m_scaling; }

    // A ratio within 0.0001 of 4/3 or 16/9 becomes exactly that.
    static double ValidateAspectRatio(double ratio);

    static constexpr LONG kOriginalChangedNotice = FourCharCode("aspr");
    static constexpr LONG kInputChangedNotice = FourCharCode("asps");
    static constexpr LONG kOutputChangedNotice = FourCharCode("aspt");
    static constexpr LONG kScalingChangedNotice = FourCharCode("aspu");
    static constexpr TVideoScaling kStretch = kScaleToFit;
    static constexpr TVideoScaling kLetterbox = kLetterBox;

private:
    void ResetScalingWhenEqual();

    double m_original = 0;
    double m_input = 0;
    double m_output = 0;
    TVideoScaling m_scaling = kLetterbox;
};
