#pragma once
// Turns one picture into another format or size with the codec library's scaler (the
// same filter the converting tools use), or copies it when both agree; the scaler is
// kept from one picture to the next.
#include "dshow/PictureFormat.h"

#include <array>

struct SwsContext;

class CPictureConverter {
public:
    CPictureConverter() = default;
    ~CPictureConverter();
    CPictureConverter(const CPictureConverter&) = delete;
    CPictureConverter& operator=(const CPictureConverter&) = delete;

    // False when the scaler cannot take the two formats.
    bool Convert(const PicturePlanes& from, const PicturePlanes& to);

private:
    SwsContext* m_scaler = nullptr;
    // The sizes and formats m_scaler was made for.
    std::array<int, 6> m_request = {};
};
