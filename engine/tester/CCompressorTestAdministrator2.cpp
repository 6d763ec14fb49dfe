#include "CCompressorTestAdministrator2.h"

#include "CCheckCodecsDialog.h"
#include "CCodecInfo.h"
#include "CCodecsInfo.h"
#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CFilterPin.h"
#include "CFormatTypes.h"
#include "CMuxFilter.h"
#include "CUntimedRenderer.h"
#include "UFilterUtils2.h"
#include "UTesterMarks.h"

#include <memory>

// Sources of the encoder filter set that feed a test signal.
const GUID CCompressorTestAdministrator2::kAudioTestSourceId = {
    0xD4B920A8, 0x5D4B, 0x47FE, {0xBC, 0xE8, 0x03, 0x74, 0x49, 0xF5, 0x6D, 0x25}};
const GUID CCompressorTestAdministrator2::kVideoTestSourceId = {
    0xDD6EA791, 0x770D, 0x45FB, {0xAE, 0xEC, 0xFA, 0x0E, 0xF0, 0x47, 0xDC, 0xD9}};

namespace {

// Interface bits that let a type carry audio or video; a mask of 0 carries both.
bool TypeCarries(const CFormatType* type, bool audio)
{
    const LONG mask = type->GetInterfaceType();
    return mask == 0 || (mask & (audio ? 14 : 13)) != 0;
}

bool IsAliasType(ESplitterType type)
{
    return type == 120 || type == 130;
}

} // namespace

CCompressorTestAdministrator2::CCompressorTestAdministrator2(bool fullCheck) : m_fullCheck(fullCheck) {}

CCompressorTestAdministrator2::~CCompressorTestAdministrator2()
{
    Release();
}

CCodecInfo* CCompressorTestAdministrator2::GetCodec(int index) const
{
    return index >= 0 && index < GetCodecCount() ? m_codecs[size_t(index)] : nullptr;
}

void CCompressorTestAdministrator2::RemoveCodec(int index)
{
    if (index < 0 || index >= GetCodecCount()) return;
    m_codecs.erase(m_codecs.begin() + index);
    m_originals.erase(m_originals.begin() + index);
}

void CCompressorTestAdministrator2::DetachCodecs()
{
    m_copies.clear();
    for (CCodecInfo*& codec : m_codecs) {
        m_copies.emplace_back(static_cast<CCodecInfo*>(codec->Clone()));
        codec = m_copies.back().get();
    }
}

bool CCompressorTestAdministrator2::LoadAndPrompt()
{
    UTesterMarks::Open(m_profile, UTesterMarks::kCodecsFile);
    LoadCodecs(CFormatTypes::sFormatTypes);
    if (m_codecs.empty()) return false;
    if (m_prompt && !PromptTest()) return false;
    return !m_codecs.empty();
}

void CCompressorTestAdministrator2::LoadCodecs(CFormatTypes* types)
{
    m_codecs.clear();
    m_originals.clear();
    m_copies.clear();
    CCodecsInfo* catalogue = GetCatalogue();
    if (!catalogue) return;
    for (int i = 0; i < catalogue->GetCodecCount(); ++i)
        if (NeedTesting(catalogue->GetCodec(i), types)) m_codecs.push_back(catalogue->GetCodec(i));
    m_originals = m_codecs;
}

bool CCompressorTestAdministrator2::NeedTesting(CCodecInfo* codec, CFormatTypes* types)
{
    if (!codec || !types || !codec->IsActivated() || !codec->GetLoad() || codec->GetSkipped()) return false;
    if (UTesterMarks::IsBlocked(m_profile, codec->GetDisplayName())) return false;
    if (m_fullCheck) return !codec->GetTested();
    if (!codec->GetTested() || !HasCapabilities(codec)) return false;
    // Only types a run would try count: one the codec is never tried with would bring it
    // back, and its prompt, at every start.
    for (int i = 0; i < types->GetFileTypeCount(); ++i)
        if (WillTestType(codec, types->GetFileType(i))) return true;
    return false;
}

bool CCompressorTestAdministrator2::NeedTestFileType(CCodecInfo* codec, const CFormatType* type) const
{
    return type && type->GetMuxId() != GUID_NULL && TypeCarries(type, IsAudio()) &&
           codec->Find(type->GetSplitterType()) == nullptr;
}

bool CCompressorTestAdministrator2::WillTestType(CCodecInfo* codec, const CFormatType* type) const
{
    return type && !IsAliasType(type->GetSplitterType()) && NeedTestFileType(codec, type) &&
           MayTestType(codec, type->GetSplitterType());
}

bool CCompressorTestAdministrator2::FeedEncoder(CFilterPin* sourcePin, CFilterPin* encoderInput)
{
    return sourcePin->Connect(encoderInput, nullptr);
}

bool CCompressorTestAdministrator2::MayTestType(CCodecInfo*, ESplitterType) const
{
    return true;
}

bool CCompressorTestAdministrator2::PromptTest()
{
    const char* kind = IsAudio() ? "audio" : "video";
    CString title, message;
    title.Format("Load new %s codecs", kind);
    message.Format("The following %s codecs are not tested. ", kind);
    message += "The software is ready to load them and check their compatibility with different file formats. ";
    message += "Some codec may cause the software to crash.";
    message += "You may skip unstable codecs.";
    CCheckCodecsDialog dialog;
    dialog.SetTitle(title);
    dialog.SetMessage(message);
    for (CCodecInfo* codec : m_originals) dialog.AddCodec(codec);
    if (dialog.DoModal() != IDOK) {
        // Called off: none of them is offered again while skipped.
        for (CCodecInfo* codec : m_originals) codec->SetSkipped(true);
        m_codecs.clear();
        m_originals.clear();
        return false;
    }
    for (int i = GetCodecCount() - 1; i >= 0; --i)
        if (m_originals[size_t(i)]->GetSkipped()) RemoveCodec(i);
    return !m_codecs.empty();
}

void CCompressorTestAdministrator2::LoopCodecs()
{
    if (!LoadAndPrompt()) return;
    TestCodecs([](const SCodecTestResult& result) { result.Apply(); });
    NotifyCatalogue();
}

void CCompressorTestAdministrator2::NotifyCatalogue()
{
    if (CCodecsInfo* catalogue = GetCatalogue()) catalogue->Notify(1, 0, 0);
}

void CCompressorTestAdministrator2::TestCodecs(const std::function<void(const SCodecTestResult&)>& found)
{
    for (int i = 0; i < GetCodecCount(); ++i) {
        SCodecTestResult result;
        if (TestCodec(i, result)) found(result);
    }
    m_index = -1;
    m_name.Empty();
}

bool CCompressorTestAdministrator2::TestCodec(int index, SCodecTestResult& result)
{
    CCodecInfo* codec = GetCodec(index);
    if (!codec) return false;
    m_index = index;
    m_name = codec->GetDisplayName();
    result.codec = m_originals[size_t(index)];
    return UTesterMarks::Guard(m_profile, codec->GetDisplayName(), [&] { RunTest(codec, result); });
}

void CCompressorTestAdministrator2::RunTest(CCodecInfo* codec, SCodecTestResult& result)
{
    Release();
    result.tested = true;
    if (!CreateGraph()) return;
    std::unique_ptr<CDirectShowFilter> source(CreateTestSource());
    std::unique_ptr<CDirectShowFilter> encoder(source ? MakeEncoder(codec) : nullptr);
    if (encoder && encoder->Create()) {
        std::unique_ptr<CFilterPin> sourcePin(MakeSourcePin(source.get()));
        CFilterPin* input = GetEncoderInput(encoder.get());
        CFilterPin* output = GetEncoderOutput(encoder.get());
        if (sourcePin && input && output && FeedEncoder(sourcePin.get(), input)) {
            ReadCapabilities(encoder.get(), output, result);
            CFormatTypes* types = CFormatTypes::sFormatTypes;
            for (int i = 0; types && i < types->GetFileTypeCount(); ++i) {
                const CFormatType* type = types->GetFileType(i);
                if (WillTestType(codec, type))
                    result.supported.emplace_back(type->GetSplitterType(), TestFileType(output, type->GetSplitterType()));
            }
            // An alias type follows its aliased type for the codec family it names.
            for (int i = 0; types && i < types->GetFileTypeCount(); ++i) {
                const CFormatType* type = types->GetFileType(i);
                if (!IsAliasType(type->GetSplitterType())) continue;
                CString name(codec->GetDisplayName());
                name.MakeLower();
                bool supported = false;
                if (!type->GetAliasFilter().IsEmpty() && name.Find(type->GetAliasFilter()) >= 0) {
                    supported = codec->IsSupported(type->GetAlias());
                    for (const auto& [id, connected] : result.supported)
                        if (id == type->GetAlias()) supported = connected;
                }
                result.supported.emplace_back(type->GetSplitterType(), supported);
            }
        }
        output->Release();
        input->Release();
        sourcePin.reset();
    }
    if (encoder) encoder->Release();
    if (source) source->Release();
    Release();
}

bool CCompressorTestAdministrator2::TestFileType(CFilterPin* encoderOut, ESplitterType type)
{
    std::unique_ptr<CMuxFilter> mux(UFilterUtils2::CreateMultiplexer(m_graph, type));
    if (!mux) return false;
    // A multiplexer this machine lacks is the test's answer for the type, not a question for
    // the user (who would otherwise be asked once per codec and type, from the testing thread).
    mux->SetOwnComponent(false);
    mux->SetSystemComponent(false);
    if (!mux->Create()) return false;
    CUntimedRenderer renderer(m_graph, "Untimed output");
    CFilterPin* muxIn = IsAudio() ? mux->GetAudioInPin() : mux->GetVideoInPin(0);
    bool connected = renderer.Create() && muxIn && encoderOut->Connect(muxIn, nullptr) &&
                     mux->GetOutputPin() && mux->GetOutputPin()->Connect(renderer.GetInputPin(), nullptr);
    if (connected) {
        long result = 0;
        m_graph->Play(result);
        m_graph->Stop();
    }
    if (mux->GetOutputPin()) mux->GetOutputPin()->Disconnect();
    encoderOut->Disconnect();
    renderer.Release();
    mux->Release();
    return connected;
}
