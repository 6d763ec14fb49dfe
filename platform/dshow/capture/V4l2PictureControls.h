#pragma once
// A Video4Linux2 camera's picture controls, read and written on the device node beside
// the stream, so that a change shows in the pictures being captured.
#include "dshow/capture/PictureControls.h"

#include <string>

class CV4l2PictureControls : public CPictureControls::Device {
public:
    explicit CV4l2PictureControls(const std::string& path);
    ~CV4l2PictureControls() override;

    std::vector<PictureControl> List() override;
    bool Read(long property, long& value) override;
    bool Write(long property, long value) override;

private:
    int m_fd = -1;
};
