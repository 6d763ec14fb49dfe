#include "UApplicationUtils.h"
#include "CVersion.h"
#include "StApplicationId.h"
#include "UStringBuffer.h"

#include "win32/kernel/Files.h"

#include <cstdio>
#include <string>

namespace {

struct Product {
    unsigned long id;
    const char* registryName; // null for add-on packs, which use the default
    const char* shortName;
    const char* brand;        // null: no brand word
};

const char kDefaultRegistryName[] = "zEderivoz";
const char kDefaultShortName[] = "Software";
const char kBrand[] = "Morvane";
const char kOtherBrand[] = "Trellum";

const Product kProducts[] = {
    {98102, "zTellora", "Tellora", kBrand},
    {10001, "zConvertix", "Video Converter", kBrand},
    {11097, "zDepthCam", "3D Webcam", kOtherBrand},
    {12001, "zTvRecorder", "TV Recorder", kBrand},
    {13579, "zVideoCapture", "Video Capture", kBrand},
    {19084, "zDepthCamPro", "3D Webcam Pro", kOtherBrand},
    {19237, "zDiscMaker", "DVD Maker", kBrand},
    {24680, "zCamUploader", "Webcam Uploader", kBrand},
    {27746, "zMovieCutter", "Movie Cutter", kBrand},
    {29771, "zScreenRecorder", "Screen Recorder", kBrand},
    {31198, "zPhoneVideo", "Phone Video Converter", kBrand},
    {32658, "zSlideShow", "Slide Show Maker", kBrand},
    {35791, "zStreamSaver", "Stream Recorder", kBrand},
    {44033, "zPocketVideo", "Pocket Video Converter", kBrand},
    {44035, "zAudioConverter", "Audio Converter", kBrand},
    {45389, "zAudioRecorder", "Audio Recorder", kBrand},
    {46802, "zMovieMaker", "Movie Maker", kBrand},
    {49534, "zBrivast", "Brivast Recorder", kOtherBrand},
    {49661, "zWebcamRecorder", "Webcam Recorder", kBrand},
    {50722, "zDvdRipper", "DVD Ripper", kBrand},
    {50957, "zVideoJoiner", "Video Joiner", kBrand},
    {56631, "zWebcamMonitor", "Webcam Monitor", kBrand},
    {58090, "zCdRipper", "CD Ripper", kBrand},
    {59301, "zMediaConverter", "Media Converter", kBrand},
    {60995, "zVideoSplitter", "Video Splitter", kBrand},
    {64481, "zConsoleVideo", "Game Console Video Converter", kBrand},
    {77002, "zVideoToAudio", "Video to Audio", kBrand},
    {79001, "zScreenCast", "Screen Cast", kBrand},
    {81932, "zRingtoneMaker", "Ringtone Maker", nullptr},
    {87232, "zTabletVideo", "Tablet Video Converter", kBrand},
    {90164, "zMusicTagger", "Music Tagger", kBrand},
    {99087, "zVideoEditor", "Video Editor", kBrand},
    // Add-on packs: names of their own, settings under the default registry name.
    {70001, nullptr, "Effects Pack", kBrand},
    {70002, nullptr, "Device Pack", kBrand},
    {70003, nullptr, "Skin Pack", kBrand},
    {70004, nullptr, "Voice Pack", kBrand},
    {70005, nullptr, "Subtitle Pack", kBrand},
    {70006, nullptr, "Menu Pack", kBrand},
    {70007, nullptr, "Codec Pack", kBrand},
    {70008, nullptr, "Disc Burner Pack", kBrand},
};

const Product* Find(unsigned long id)
{
    for (const auto& product : kProducts)
        if (product.id == id) return &product;
    return nullptr;
}

}

const char* UApplicationUtils::GetRegistryName(unsigned long id)
{
    const Product* product = Find(id);
    return product && product->registryName ? product->registryName : kDefaultRegistryName;
}

const char* UApplicationUtils::GetShortApplicationName(unsigned long id)
{
    const Product* product = Find(id);
    return product ? product->shortName : kDefaultShortName;
}

char* UApplicationUtils::GetApplicationName(unsigned long id)
{
    const Product* product = Find(id);
    const char* brand = product ? product->brand : kBrand;
    std::string name = brand ? std::string(brand) + " " + GetShortApplicationName(id) : GetShortApplicationName(id);
    if (name.size() > 255) name.resize(255);
    return UStringBuffer::Text(name.c_str());
}

char* UApplicationUtils::GetApplicationName() { return GetApplicationName(StApplicationId::Id()); }

char* UApplicationUtils::GetVersion()
{
    char path[4096] = {};
    GetModuleFileName(nullptr, path, sizeof(path));
    CVersion version(path);
    return UStringBuffer::Text((std::string(" ") + version.GetSimpleVersionText()).c_str());
}

char* UApplicationUtils::GetApplicationNameWithVersion()
{
    std::string name = GetApplicationName();
    return UStringBuffer::Text((name + GetVersion()).c_str());
}
