// A track of an audio CD in a drive, read through the CD paranoia reader so that
// scratches are read again rather than heard.
#include "dshow/discs/TrackReader.h"

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>

namespace {

class CCdTrackReader : public CTrackReader {
public:
    ~CCdTrackReader() override
    {
        if (m_paranoia) cdio_paranoia_free(m_paranoia);
        if (m_drive) cdio_cddap_close(m_drive);
    }
    bool Open(const std::string& device, int track)
    {
        m_drive = cdio_cddap_identify(device.c_str(), CDDA_MESSAGE_FORGETIT, nullptr);
        if (!m_drive || cdio_cddap_open(m_drive) != 0) return false;
        if (track < 1 || track > cdio_cddap_tracks(m_drive) || !cdio_cddap_track_audiop(m_drive, track_t(track)))
            return false;
        m_first = cdio_cddap_track_firstsector(m_drive, track_t(track));
        m_last = cdio_cddap_track_lastsector(m_drive, track_t(track));
        if (m_first < 0 || m_last < m_first) return false;
        m_paranoia = cdio_paranoia_init(m_drive);
        if (!m_paranoia) return false;
        paranoia_modeset(m_paranoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
        return Seek(0);
    }
    DWORD SampleRate() const override { return 44100; }
    WORD Channels() const override { return 2; }
    WORD BitsPerSample() const override { return 16; }
    uint64_t Length() const override { return uint64_t(m_last - m_first + 1) * CDIO_CD_FRAMESIZE_RAW; }
    bool Seek(uint64_t offset) override
    {
        m_sector = m_first + lsn_t(std::min<uint64_t>(offset / CDIO_CD_FRAMESIZE_RAW, uint64_t(m_last - m_first + 1)));
        return cdio_paranoia_seek(m_paranoia, m_sector, SEEK_SET) >= 0;
    }
    bool Read(std::vector<BYTE>& bytes) override
    {
        if (m_sector > m_last) return false;
        const int16_t* samples = cdio_paranoia_read(m_paranoia, nullptr);
        if (!samples) return false;
        const BYTE* raw = reinterpret_cast<const BYTE*>(samples);
        bytes.insert(bytes.end(), raw, raw + CDIO_CD_FRAMESIZE_RAW);
        ++m_sector;
        return true;
    }

private:
    cdrom_drive_t* m_drive = nullptr;
    cdrom_paranoia_t* m_paranoia = nullptr;
    lsn_t m_first = 0;
    lsn_t m_last = -1;
    lsn_t m_sector = 0;
};

} // namespace

std::vector<std::string> CTrackReader::Drives()
{
    std::vector<std::string> drives;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** d = devices; d && *d; ++d) drives.emplace_back(*d);
    if (devices) cdio_free_device_list(devices);
    return drives;
}

std::unique_ptr<CTrackReader> CTrackReader::OpenDrive(int adapter, int track)
{
    const std::vector<std::string> drives = Drives();
    if (adapter < 0 || size_t(adapter) >= drives.size()) return nullptr;
    auto reader = std::make_unique<CCdTrackReader>();
    if (!reader->Open(drives[size_t(adapter)], track)) return nullptr;
    return reader;
}
