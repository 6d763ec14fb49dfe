#include "CVideoDecoderInfo.h"

#include <iterator>
#include <memory>

const char* const CVideoDecoderInfo::kFileName = "Video Decoder.ini";

namespace {

const SDefaultDecoder kDefaults[] = {
    {"MJPEG Decoder", "{301056D0-6DFF-11D2-9EEB-006008039E37}", false},
    {"ffdShow Decoder", "{04FE9017-F873-410E-871E-AB91661A4EF7}", false},
    {"Indeo 51 Decoder", "{30355649-0000-0010-8000-00AA00389B71}", false},
    {"Indeo 44 Decoder", "{31345649-0000-0010-8000-00AA00389B71}", false},
    {"Indeo 32 Decoder", "{31345649-0000-0010-8000-00AA00389B71}", false},
    {"AVI Decoder", "{CF49D4E0-1115-11CE-B03A-0020AF0BA770}", false},
    {"Microsoft DV Decoder", "{B1B77C00-C3E4-11CF-AF79-00AA00B67A42}", false},
    {"Windows Media Video Decoder DMO", "{82D353DF-90BD-4382-8BC2-3F6192B76E34}", true},
    {"Windows Media Video Advanced Decoder DMO", "{03BE3AC4-84B7-4E0E-A78D-D3524E60395A}", true},
    {"Windows Media Screen DMO", "{7BAFB3B1-D8F4-4279-9253-27DA423108DE}", true},
    {"Windows Media 8 Video Decoder", "{521FB373-7654-49F2-BDB1-0C6E6660714F}", false},
    {"Windows Media Video", "{4FACBBA1-FFD8-4CD7-8228-61E2F65CB1AE}", false},
    {"MPEG-4 Decoder", "{82CCD3E0-F71A-11D0-9FE5-00609778EA66}", false},
    {"MPEG-4 Video DMO", "{F371728A-6052-4D47-827C-D039335DFE0A}", true},
    {"MPEG-4/3 Video DMO", "{CBA9E78B-49A3-49EA-93D4-6BCBA8C4DE07}", true},
    {"MPEG-4/S Video DMO", "{2A11BAE2-FE6E-4249-864B-9E9ED6E8DBC2}", true},
    {"3ivx Video Decoder", "{0E6772C0-DD80-11D4-B58F-A86B66D0611C}", false},
    {"Real Video Decoder", "{238D0F23-5DC9-45A6-9BE2-666160C324DD}", false},
    {"Divx Decoder", "{78766964-0000-0010-8000-00AA00389B71}", false},
    {"Divx MPEG-4 Video Decoder", "{82CCD3E0-F71A-11D0-9FE5-00609778AAAA}", false},
    {"Xvid MPEG-4 Video Decoder", "{64697678-0000-0010-8000-00AA00389B71}", false},
    {"Radlight Theora Video Decoder", "{E9935DAE-640E-4F2B-9A72-C78525D2ECB9}", false},
    {"VP6 Video Decoder", "{01CFC007-C263-420A-80DC-2988DA4C6105}", false},
    {"VP7 Video Decoder", "{C204438D-6E1A-4309-B09C-0C0F749863AF}", false},
    {"Panasonic MPEG-4 Video Decoder DMO", "{482AE847-C2FA-4F73-A4D1-00F976FF5AA5}", true},
    {"Moonlight MPEG-2 Decoder 4", "{BC4EB321-771F-4E9F-AF67-37C631ECA106}", false},
    {"Moonlight MPEG-2 Decoder", "{F50B3F13-19C4-11CF-AA9A-02608C9BABA2}", false},
    {"MainConcept MPEG-2 Decoder", "{2BE4D140-6F2E-4B3A-B0BD-E880917238DC}", false},
    {"MPEG-1 Decoder", "{FEB50740-7BEF-11CE-9BD9-0000E202599C}", false},
    {"Cyberlink Video Decoder", "{9BC1B781-85E3-11D2-98D0-0080C84E9C39}", false},
};

} // namespace

CVideoDecoderInfo::CVideoDecoderInfo() : CDecoderInfo(kFileName, kDefaults, int(std::size(kDefaults))) {}

CVideoDecoderInfo* CVideoDecoderInfo::GetInfo()
{
    static std::unique_ptr<CVideoDecoderInfo> info(new CVideoDecoderInfo);
    return info.get();
}
