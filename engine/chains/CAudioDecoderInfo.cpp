#include "CAudioDecoderInfo.h"

#include <iterator>
#include <memory>

const char* const CAudioDecoderInfo::kFileName = "Audio Decoder.ini";

namespace {

const SDefaultDecoder kDefaults[] = {
    {"MPEG Layer-3 Audio Decoder", "{38BE3000-DBF4-11D0-860E-00A024CFEF6D}", false},
    {"Windows Media Audio Decoder", "{22E24591-49D0-11D2-BB50-006008320064}", false},
    {"Windows Media Audio DMO", "{2EEB4ADF-4578-4D10-BCA7-BB955F56320A}", true},
    {"Windows Media Speech DMO", "{874131CB-4ECC-443B-8948-746B89595D20}", true},
    {"MainConcept MPEG Audio Decoder", "{2BE4D130-6F2E-4B3A-B0BD-E880917238DC}", false},
    {"MPEG-1 Audio Decoder", "{4A2286E0-7BEF-11CE-9BD9-0000E202599C}", false},
    {"LPCM Audio Decoder", "{93DE3579-3726-4B18-901A-287014D97E39}", false},
    {"InterVideo Audio Decoder", "{7E2E0DC1-31FD-11D2-9C21-00104B3801F6}", false},
    {"AC-3 Audio Decoder", "{A753A1EC-973E-4718-AF8E-A3F554D45C44}", false},
    {"ffdShow Audio Decoder", "{0F40E1E5-4F79-4988-B1A9-CC98794E6B55}", false},
    {"Core AAC Audio Decoder", "{6AC7C19E-8CA0-4E3D-9A9F-2881DE29E0AC}", false},
    {"Core AAC Audio Decoder 2", "{5DBB7F32-16AF-41C8-9D4B-7D47654B7650}", false},
    {"Real Audio Decoder", "{941A4793-A705-4312-8DFC-C11CA05F397E}", false},
    {"3ivx Audio Decoder", "{68D0B5CF-3EC6-4113-86DF-8A34456B3A0C}", false},
    {"ACE LP Audio Decoder", "{4009F700-AEBA-11D1-8344-00C04FB92EB7}", false},
    {"Radlight Vorbis Audio Decoder", "{21336D1A-35E8-4169-A2EF-5D0AC2A37A97}", false},
    {"Radlight Speex Audio Decoder", "{A2A37EB7-2D72-42D7-AE30-CBDABC12A1CE}", false},
    {"Core Vorbis Audio Decoder", "{0835DC4B-AA01-48C3-A42D-FD62C530A3E1}", false},
    {"OGG Vorbis Audio Decoder", "{02391F44-2767-4E6A-A484-9B47B506F3A4}", false},
    {"Sharp G.726 Audio Decoder", "{52003641-6800-11D2-9CF9-00C04FCB385A}", false},
    {"Core Flac Audio Decoder", "{6AC7C10E-8CA0-4E3D-9A9F-2881DE29E0AC}", false},
    {"TTA Audio Decoder", "{680EF885-41CF-4F81-AA06-B724BC963A31}", false},
    {"WavPack Audio Decoder", "{4B420C26-B393-48B3-8A84-BC60827689E8}", false},
    {"ACM Wrapper", "{6A08CF80-0E18-11CF-A24D-0020AFD79767}", false},
};

} // namespace

CAudioDecoderInfo::CAudioDecoderInfo() : CDecoderInfo(kFileName, kDefaults, int(std::size(kDefaults))) {}

CAudioDecoderInfo* CAudioDecoderInfo::GetInfo()
{
    static std::unique_ptr<CAudioDecoderInfo> info(new CAudioDecoderInfo);
    return info.get();
}
