#pragma once
// Tests the compressors of one kind that are new or have new output types to try: what
// settings each takes and which output types' multiplexers accept its output. Each
// test runs under the crash mark of "codecs.ini". Results are gathered first and
// written into the catalogue by whoever owns it (the user-interface thread).
#include "CDirectShowAdministrator2.h"
#include "CIniProfile.h"
#include "SCodecTestResult.h"

#include <functional>
#include <memory>
#include <vector>

class CCodecInfo;
class CCodecsInfo;
class CDirectShowFilter;
class CFilterPin;
class CFormatType;
class CFormatTypes;

class CCompressorTestAdministrator2 : public CDirectShowAdministrator2 {
public:
    explicit CCompressorTestAdministrator2(bool fullCheck);
    ~CCompressorTestAdministrator2() override;

    // Opens "codecs.ini", lists what needs testing and asks the user when the prompt
    // flag is on; false when nothing is left to test.
    bool LoadAndPrompt();
    void LoadCodecs(CFormatTypes* types);
    bool NeedTesting(CCodecInfo* codec, CFormatTypes* types);
    bool NeedTestFileType(CCodecInfo* codec, const CFormatType* type) const;
    // The user's choice of the listed compressors; false when the test is called off.
    virtual bool PromptTest();
    // Tests every listed compressor and writes the results at once (the caller's thread
    // owns the catalogue), then tells the catalogue's listeners.
    void LoopCodecs();
    // Tests every listed compressor, handing each result to `found`.
    void TestCodecs(const std::function<void(const SCodecTestResult&)>& found);
    // Tests the compressor at the index under its crash mark; false when it is blocked.
    bool TestCodec(int index, SCodecTestResult& result);
    // Tells the catalogue's listeners that its entries changed.
    void NotifyCatalogue();
    // Ends a loop item's run: its completion reaches the loop from the message loop.
    void FinishTest() { BroadcastCompletion(false); }
    // Tests private copies of the listed entries from now on, so another thread can test
    // while the catalogue's own thread reads and edits the originals; results still
    // name the originals.
    void DetachCodecs();

    void SetPrompt(bool prompt) { m_prompt = prompt; }
    bool GetFullCheck() const { return m_fullCheck; }
    int GetCodecCount() const { return int(m_codecs.size()); }
    CCodecInfo* GetCodec(int index) const;
    void RemoveCodec(int index);
    int GetIndex() const { return m_index; }
    const CString& GetName() const { return m_name; }

    virtual CCodecsInfo* GetCatalogue() const = 0;
    virtual bool IsAudio() const = 0;
    // At least one sample rate (audio) or size (video) found by an earlier test.
    virtual bool HasCapabilities(CCodecInfo* codec) const = 0;

    static const GUID kAudioTestSourceId;
    static const GUID kVideoTestSourceId;

protected:
    // The test source ("Audio Test" or "Video Test") in the graph, and the pin it feeds
    // the encoder from.
    virtual CDirectShowFilter* CreateTestSource() = 0;
    virtual CFilterPin* MakeSourcePin(CDirectShowFilter* source) = 0;
    // Connects the source's pin to the encoder, through whatever stands between them.
    virtual bool FeedEncoder(CFilterPin* sourcePin, CFilterPin* encoderInput);
    // What the encoder offers once fed.
    virtual void ReadCapabilities(CDirectShowFilter* encoder, CFilterPin* output, SCodecTestResult& result) = 0;
    virtual CDirectShowFilter* MakeEncoder(CCodecInfo* codec) = 0;
    virtual CFilterPin* GetEncoderInput(CDirectShowFilter* encoder) = 0;
    virtual CFilterPin* GetEncoderOutput(CDirectShowFilter* encoder) = 0;
    // Whether a type may be tried with this compressor at all.
    virtual bool MayTestType(CCodecInfo* codec, ESplitterType type) const;

    bool m_fullCheck;
    bool m_prompt = true;
    CIniProfile m_profile;
    std::vector<CCodecInfo*> m_codecs;
    // The catalogue entry of each listed codec (the same pointer unless detached).
    std::vector<CCodecInfo*> m_originals;
    std::vector<std::unique_ptr<CCodecInfo>> m_copies;
    CString m_name;
    int m_index = -1;

private:
    // Whether a run tries the codec against the type's multiplexer.
    bool WillTestType(CCodecInfo* codec, const CFormatType* type) const;
    void RunTest(CCodecInfo* codec, SCodecTestResult& result);
    bool TestFileType(CFilterPin* encoderOut, ESplitterType type);
};
