#pragma once
// The engine's process-wide switches. An application sets them on the interface
// thread before the engine object is built; afterwards they are only read, so
// they carry no lock.
#include "CBroadcaster.h"
#include "CListener.h"
#include "win32/WinTypes.h"

#include <functional>
#include <memory>

struct IMoniker;
struct IWMProfileManager;
struct IWMStreamConfig;
class CAudioCodecsInfo;
class CAudioDevicesInfo;
class CFormatTypes;
class CGlobalSetting;
class CLocalSetting;
class CThirdPartyFormat;
class CVideoCodecsInfo;
class CVideoDevicesInfo;
class CQuickTimeExportPersist;
class CQuickTimePersist;
class StQuickTime;
class StQuickTimeLoader;
class StffMpegLoader;

class CDirectShowSystem2 : public CBroadcaster, public CListener {
public:
    // The MP3 encoder library was loaded again after its path changed.
    static constexpr long kEncoderReloadedMessage = 4000030;

    // The first engine object made is the process-wide one until it is deleted.
    CDirectShowSystem2();
    CDirectShowSystem2(const CDirectShowSystem2&) = delete;
    CDirectShowSystem2& operator=(const CDirectShowSystem2&) = delete;
    virtual ~CDirectShowSystem2();

    // The Windows Media profile manager, null without Windows Media.
    virtual IWMProfileManager* GetProfileManager() { return m_profileManager; }
    // Stream configurations for writing Windows Media, owned by the caller; the engine
    // without Windows Media has none.
    virtual IWMStreamConfig* GetVideoStream(const char* codecName, LONG encoderControl);
    virtual IWMStreamConfig* GetAudioStream(const char* codecName, ULONG sampleRate, unsigned short channels,
                                            unsigned short bitsPerSample, ULONG bitrate, bool wantAV);

    // What the engine object loads and catalogues, decided from the switches.
    struct SStartup {
        bool quickTime = false;      // environment, codecs and export settings
        bool realMedia = false;      // system and the RealVideo/RealAudio rows
        bool lame = false;           // probe the MP3 encoder library
        bool ffTable = false;        // ffmpeg format table and its codecs
        bool wmProfiles = false;     // profile manager (Windows Media system only)
        bool videoCodecs = false;    // system video compressors
        bool audioCodecs = false;    // system audio compressors and the dummy DV audio row
        bool videoCaptures = false;  // video capture devices, re-read on device changes
        bool audioCaptures = false;  // audio capture devices, re-read on device changes
    };
    static SStartup GetStartup();
    // Whether the MP3 encoder library loads from the path the settings name; its codec row
    // is made and activated to match. Not initial: the user chose a library again.
    bool LoadLame(bool initial);
    // A changed MP3 encoder path loads the library again.
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // A device plugged in or out (from the device controller): the capture catalogues follow.
    bool ListenToMessage(long message, const void* p, const void* q) override;

    // QuickTime's codec lists, copied into the catalogues for the file types it writes;
    // nothing without QuickTime or the catalogues.
    void LoadQuickTimeSettings();
    // "QuickTime.xml": the compressor settings collected during the run.
    void SaveQuickTimeSettings();
    void AddQuickTimeCodecs(LONG fileType);
    // The read-only export settings file of an output file type for a QuickTime version
    // and application; empty for a type without one.
    static const char* GetQtExportFileName(LONG fileType, long version, unsigned long application);
    CQuickTimePersist* GetQuickTimeSettings() const { return m_quickTimeSettings.get(); }
    CQuickTimeExportPersist* GetQuickTimeExportSettings() const { return m_quickTimeExport.get(); }
    // The ffmpeg format table's codecs for its file types.
    void AddffCodecs();
    // Copies another engine's codecs of a file type into the codec catalogues.
    static void AddThirdPartyCodecs(const CThirdPartyFormat& format, LONG fileType);

    // Every device of a system device category that has a display name and a
    // friendly name; nothing when the category is empty or cannot be listed.
    using DeviceCallback = std::function<void(IMoniker* moniker, const char* friendlyName, const char* displayName)>;
    static void IteratorThroughDevices(const GUID& category, const DeviceCallback& callback);
    // Whether a subtitle overlay filter can be made; probed once.
    static bool SupportSubtitle();

    static bool sNeedsVideo;
    static bool sNeedsAudio;
    static bool sNeedsVideoCapture;
    static bool sNeedsAudioCapture;
    static bool sLoadAvi;
    static bool sLoadQt;
    static bool sLoadWm;
    static bool sLoadRm;
    static bool sLoadLame;
    static bool sLoadff;
    static const char* sLameDllText;
    static bool sCapturing;
    static bool sHasSubtitleFilter;
    static bool sSupportSubtitleTested;
    static CDirectShowSystem2* sSystem;

protected:
    IWMProfileManager* m_profileManager = nullptr;

private:
    void PopulateCaptures();
    void PopulateCodecs();
    void SaveCatalogues();

    // The process-wide catalogues, preferences and format table the engine owns; a test that
    // put its own in place first keeps them.
    std::unique_ptr<CVideoDevicesInfo> m_videoDevices;
    std::unique_ptr<CAudioDevicesInfo> m_audioDevices;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    std::unique_ptr<CAudioCodecsInfo> m_audioCodecs;
    std::unique_ptr<CLocalSetting> m_localSetting;
    std::unique_ptr<CGlobalSetting> m_globalSetting;
    std::unique_ptr<CFormatTypes> m_formatTypes;
    bool m_listensToLame = false;
    std::unique_ptr<CQuickTimePersist> m_quickTimeSettings;
    std::unique_ptr<CQuickTimeExportPersist> m_quickTimeExport;
    StQuickTime* m_quickTime = nullptr;
    StQuickTimeLoader* m_quickTimeLoader = nullptr;
    std::unique_ptr<StffMpegLoader> m_ffLoader;
};
