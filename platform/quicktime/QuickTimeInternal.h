#pragma once
// What the library's own files share: component instances, handle blocks, the settings
// that exporters and compressors keep as atom containers, and the text of the last error.
#include "quicktime/QuickTimeMovies.h"

#include <string>
#include <string_view>

struct ComponentInstanceRecord {
    virtual ~ComponentInstanceRecord() = default;
    OSType type = 0;
    OSType subType = 0;
};

// A handle points at the block's first member, so *handle is the data.
struct HandleBlock {
    char* data = nullptr;
    int32_t size = 0;
};

Handle MakeHandle(const void* bytes, int32_t size);
std::string_view HandleBytes(Handle handle);

// The encoding every exporter and compressor keeps; 0 means "as the source has it".
struct SCompressionSettings {
    OSType videoCodec = 0;
    int32_t quality = 512; // 0-1023
    int32_t temporalQuality = 512;
    Fixed frameRate = 0;
    int32_t keyFrameRate = 0;
    int32_t dataRate = 0; // bytes per second
    int32_t frameDuration = 0;
    OSType soundFormat = 0;
    uint32_t sampleRate = 0; // 16.16
    int16_t channels = 0;
    int16_t sampleSize = 16;
    int32_t soundBitRate = 0;

    // As an atom container: atoms of a big-endian size and type and a 32-bit value.
    Handle ToAtoms() const;
    // Takes the values of the atoms it knows; false when the bytes are not atoms.
    bool FromAtoms(std::string_view bytes);
};

// Remembers a failure's text for QTErrorText and returns the error.
OSErr Fail(OSErr error, std::string text);
std::string FormatText(OSType format);

// The components behind the descriptions: movie exporters and standard compressors.
ComponentInstanceRecord* NewMovieExporter(OSType fileType);
ComponentInstanceRecord* NewStandardCompressor(OSType subType);
