#include "UCaptureChoices.h"

#include "CVideoCaptureDevice2.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
constexpr size_t kMaxText = 63;
} // namespace

CString UCaptureChoices::GetSizeText(int width, int height)
{
    char text[kMaxText + 1];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    return text;
}

bool UCaptureChoices::GetSize(const char* text, int& width, int& height)
{
    if (!text) return false;
    char bounded[kMaxText + 1] = {};
    std::strncpy(bounded, text, kMaxText);
    char* x = std::strchr(bounded, 'x');
    if (!x) return false;
    *x = '\0';
    width = std::atoi(bounded);
    height = std::atoi(x + 1);
    return true;
}

CString UCaptureChoices::GetFrameRateText(double rate)
{
    char text[kMaxText + 1];
    std::snprintf(text, sizeof text, "%.2f", rate);
    return text;
}

double UCaptureChoices::GetFrameRate(const char* text)
{
    return text ? std::atof(text) : 0;
}

std::vector<MvCaptureSize> UCaptureChoices::SizesOf(const CVideoCaptureDevice2* device)
{
    std::vector<MvCaptureSize> sizes;
    if (!device) return sizes;
    for (int i = 0; i < device->GetSizeCount(); ++i)
        sizes.push_back({device->GetSize(i)->GetWidth(), device->GetSize(i)->GetHeight()});
    return sizes;
}

std::vector<double> UCaptureChoices::RatesOf(const CVideoCaptureSize2* size)
{
    std::vector<double> rates;
    if (!size) return rates;
    for (int i = 0; i < size->GetFrameRateCount(); ++i) rates.push_back(size->GetFrameRate(i)->GetFrameRate());
    return rates;
}

std::vector<MvCaptureSize> UCaptureChoices::SharedSizes(const std::vector<MvCaptureSize>& sizes,
                                                       const CVideoCaptureDevice2* other)
{
    if (!other) return sizes;
    std::vector<MvCaptureSize> shared;
    for (const MvCaptureSize& size : sizes)
        if (other->Find(size.width, size.height)) shared.push_back(size);
    return shared;
}

std::vector<double> UCaptureChoices::SharedRates(const std::vector<double>& rates, const CVideoCaptureSize2* other)
{
    if (!other) return rates;
    std::vector<double> shared;
    for (double rate : rates)
        if (other->Find(rate)) shared.push_back(rate);
    return shared;
}

bool UCaptureChoices::NearestSize(const std::vector<MvCaptureSize>& sizes, unsigned short& width,
                                  unsigned short& height)
{
    const MvCaptureSize* best = nullptr;
    long bestDistance = 0;
    for (const MvCaptureSize& size : sizes) {
        const long distance = std::labs(long(size.width) - width) + std::labs(long(size.height) - height);
        if (!best || distance < bestDistance) {
            best = &size;
            bestDistance = distance;
        }
    }
    if (!best) return false;
    width = best->width;
    height = best->height;
    return true;
}

bool UCaptureChoices::BestFrameRate(const std::vector<double>& rates, double& rate)
{
    if (rates.empty()) return false;
    const double wanted = rate;
    bool found = false;
    for (double offered : rates) {
        bool better;
        if (!found)
            better = true;
        else if (wanted < kLowestRate)
            better = offered > rate;
        else
            better = std::fabs(offered - wanted) < std::fabs(rate - wanted);
        if (better) {
            rate = offered;
            found = true;
        }
    }
    return true;
}
