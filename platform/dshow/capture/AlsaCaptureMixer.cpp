#include "dshow/capture/AlsaCaptureMixer.h"

#include <alsa/asoundlib.h>

#include <cmath>
#include <functional>

namespace {

// Runs `use` on the card's loaded mixer; false when it cannot be opened.
bool WithMixer(const std::string& device, const std::function<void(snd_mixer_t*)>& use)
{
    const std::string card = device.substr(0, device.find(",DEV="));
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return false;
    const bool loaded = snd_mixer_attach(mixer, card.c_str()) == 0 && snd_mixer_selem_register(mixer, nullptr, nullptr) == 0
        && snd_mixer_load(mixer) == 0;
    if (loaded) use(mixer);
    snd_mixer_close(mixer);
    return loaded;
}

} // namespace

std::vector<AlsaCaptureLine> AlsaCaptureLines(const std::string& device)
{
    std::vector<AlsaCaptureLine> lines;
    WithMixer(device, [&](snd_mixer_t* mixer) {
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e)) {
            const bool hasSwitch = snd_mixer_selem_has_capture_switch(e), hasVolume = snd_mixer_selem_has_capture_volume(e);
            if (!snd_mixer_selem_is_active(e) || (!hasSwitch && !hasVolume)) continue;
            AlsaCaptureLine line;
            line.name = snd_mixer_selem_get_name(e);
            int on = 1;
            if (hasSwitch && snd_mixer_selem_get_capture_switch(e, SND_MIXER_SCHN_FRONT_LEFT, &on) == 0) line.enabled = on != 0;
            long low = 0, high = 0, value = 0;
            if (hasVolume && snd_mixer_selem_get_capture_volume_range(e, &low, &high) == 0 && high > low
                && snd_mixer_selem_get_capture_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &value) == 0)
                line.level = double(value - low) / double(high - low);
            lines.push_back(line);
        }
    });
    return lines;
}

bool AlsaApplyCaptureLine(const std::string& device, const std::string& line, bool enabled, double level)
{
    bool applied = false;
    WithMixer(device, [&](snd_mixer_t* mixer) {
        snd_mixer_selem_id_t* id = nullptr;
        if (snd_mixer_selem_id_malloc(&id) < 0) return;
        snd_mixer_selem_id_set_name(id, line.c_str());
        if (snd_mixer_elem_t* e = snd_mixer_find_selem(mixer, id)) {
            applied = true;
            if (snd_mixer_selem_has_capture_switch(e)) applied = snd_mixer_selem_set_capture_switch_all(e, enabled) == 0;
            long low = 0, high = 0;
            // Automatic gain (-1) leaves the card's level as it is.
            if (applied && level >= 0 && snd_mixer_selem_has_capture_volume(e)
                && snd_mixer_selem_get_capture_volume_range(e, &low, &high) == 0)
                applied = snd_mixer_selem_set_capture_volume_all(e, low + std::lround(level * double(high - low))) == 0;
        }
        snd_mixer_selem_id_free(id);
    });
    return applied;
}
