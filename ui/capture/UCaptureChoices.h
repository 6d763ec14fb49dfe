#pragma once
// The size and frame rate a camera recorder falls back on when the device does not offer
// the stored ones, and the texts the recorder pages show for them.
#include "afx/CString.h"

#include <vector>

class CVideoCaptureDevice2;
class CVideoCaptureSize2;

struct MvCaptureSize {
    unsigned short width;
    unsigned short height;
};

class UCaptureChoices {
public:
    // "%d x %d"; read back from the text's first "x", false without one.
    static CString GetSizeText(int width, int height);
    static bool GetSize(const char* text, int& width, int& height);
    // "%.2f"; read back as a decimal number.
    static CString GetFrameRateText(double rate);
    static double GetFrameRate(const char* text);

    // A device's sizes in its order, and a size's rates in its order; empty for null.
    static std::vector<MvCaptureSize> SizesOf(const CVideoCaptureDevice2* device);
    static std::vector<double> RatesOf(const CVideoCaptureSize2* size);
    // The candidates the other device (or size) offers too; all of them without another.
    static std::vector<MvCaptureSize> SharedSizes(const std::vector<MvCaptureSize>& sizes,
                                                  const CVideoCaptureDevice2* other);
    static std::vector<double> SharedRates(const std::vector<double>& rates, const CVideoCaptureSize2* other);

    // The size nearest to the wanted one by the sum of the edge differences; the earlier on
    // a tie. False when there is none.
    static bool NearestSize(const std::vector<MvCaptureSize>& sizes, unsigned short& width, unsigned short& height);
    // Below the lowest usable rate the highest offered; otherwise the nearest, the earlier
    // on a tie. False when there is none.
    static bool BestFrameRate(const std::vector<double>& rates, double& rate);

    // Rates below this are replaced by an offered one.
    static constexpr double kLowestRate = 10;
};
