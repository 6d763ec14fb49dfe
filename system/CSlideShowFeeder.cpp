#include "CSlideShowFeeder.h"

#include "CDcBitmapLoader.h"

CSlideShowFeeder::CSlideShowFeeder()
{
    mConverter.SetVideoScaling(kLetterBox);
}

CSlideShowFeeder::CSlideShowFeeder(const CSlideShowFeeder& other)
    : CBitmapFeeder(other), mFiles(other.mFiles), mAspectRatio(other.mAspectRatio), mConverter(other.mConverter)
{
}

CSlideShowFeeder& CSlideShowFeeder::operator=(const CSlideShowFeeder& other)
{
    if (this != &other) {
        CBitmapFeeder::operator=(other);
        mFiles = other.mFiles;
        mAspectRatio = other.mAspectRatio;
        mConverter = other.mConverter;
    }
    return *this;
}

CSlideShowFeeder::~CSlideShowFeeder() = default;

void CSlideShowFeeder::AddFile(const char* path, double duration, double aspectRatio)
{
    SSlideFile file;
    file.path = path ? std::string(path).substr(0, 259) : std::string();
    file.duration = duration;
    file.aspectRatio = aspectRatio;
    mFiles.push_back(file);
}

void CSlideShowFeeder::Reset() { mFiles.clear(); }

const SSlideFile* CSlideShowFeeder::GetFile(int index) const
{
    return index >= 0 && index < GetFileCount() ? &mFiles[static_cast<size_t>(index)] : nullptr;
}

double CSlideShowFeeder::GetStartTime(int index) const
{
    double start = 0;
    for (int i = 0; i < index && i < GetFileCount(); ++i) start += mFiles[static_cast<size_t>(i)].duration;
    return start;
}

bool CSlideShowFeeder::Render(int index, double& start, double& end)
{
    const SSlideFile* file = GetFile(index);
    if (!GetBitmapWidth() || !GetBitmapHeight() || !file) return false;
    BYTE* frame = GetBuffer();
    if (!frame) return false;
    start = GetStartTime(index);
    end = start + file->duration;
    CDcBitmapLoader loader;
    if (!loader.Load(file->path.c_str())) return false;
    LONG width = loader.GetWidth(), height = loader.GetHeight();
    if (!width || !height) return false;
    LONG positive = height < 0 ? -height : height;
    mConverter.SetInputAspectRatio(file->aspectRatio ? file->aspectRatio : double(width) / double(height));
    mConverter.SetOutputAspectRatio(mAspectRatio);
    mConverter.SetOriginalWidth(static_cast<unsigned short>(width));
    mConverter.SetOriginalHeight(static_cast<unsigned short>(positive));
    mConverter.SetInputTopDown(height < 1);
    mConverter.SetTargetWidth(GetBitmapWidth());
    mConverter.SetTargetHeight(GetBitmapHeight());
    mConverter.SetInputColor(kColorArgb32);
    mConverter.SetOutputColor(GetColor());
    mConverter.SetOutputTopDown(GetNegativeHeight());
    BYTE* pixels = loader.GetData();
    if (!pixels) return false;
    mConverter.Convert(pixels, frame, 0);
    return true;
}
