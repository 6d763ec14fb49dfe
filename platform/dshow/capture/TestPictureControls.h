#pragma once
// The test camera's picture controls: brightness and contrast, applied to its pattern.
#include "dshow/capture/PictureControls.h"

#include <array>
#include <atomic>

class CTestPictureControls : public CPictureControls::Device {
public:
    std::vector<PictureControl> List() override;
    bool Read(long property, long& value) override;
    bool Write(long property, long value) override;

    // Each channel value of the pattern as the controls show it, for one picture.
    std::array<BYTE, 256> Levels() const;

private:
    std::atomic<long> m_brightness{0};
    std::atomic<long> m_contrast{100};
};
