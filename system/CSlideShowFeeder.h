#pragma once
// A bitmap feeder that renders a list of picture files, each shown for a duration, into
// frames of its own size, aspect ratio and colour format.
#include "CAutoVideoConverter.h"
#include "CBitmapFeeder.h"

#include <string>
#include <vector>

struct SSlideFile {
    std::string path;          // at most 259 characters
    double duration = 0;
    double aspectRatio = 0;    // 0: the picture's own width / height
};

class CSlideShowFeeder : public CBitmapFeeder {
public:
    CSlideShowFeeder();
    CSlideShowFeeder(const CSlideShowFeeder& other);
    CSlideShowFeeder& operator=(const CSlideShowFeeder& other);
    ~CSlideShowFeeder() override;

    void AddFile(const char* path, double duration, double aspectRatio);
    void Reset();
    int GetFileCount() const { return static_cast<int>(mFiles.size()); }
    const SSlideFile* GetFile(int index) const;
    void SetAspectRatio(double ratio) { mAspectRatio = ratio; }
    double GetAspectRatio() const { return mAspectRatio; }
    double GetStartTime(int index) const;
    // Renders slide index into the frame buffer and gives its time span.
    bool Render(int index, double& start, double& end);

private:
    std::vector<SSlideFile> mFiles;
    double mAspectRatio = 4.0 / 3.0;
    CAutoVideoConverter mConverter;
};
