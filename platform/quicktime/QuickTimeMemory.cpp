// Handles, file records, aliases, atom containers and error texts.
#include "quicktime/QuickTimeInternal.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::mutex gErrorLock;
OSErr gLastError = noErr;
std::string gLastText;
thread_local OSErr tMemError = noErr;

constexpr int32_t kMaxHandle = 1 << 30;

void PutBig(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((value >> shift) & 0xFF));
}

uint32_t GetBig(std::string_view bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

} // namespace

Handle MakeHandle(const void* bytes, int32_t size)
{
    Handle handle = NewHandle(size);
    if (handle && size > 0 && bytes) std::memcpy(*handle, bytes, size_t(size));
    return handle;
}

std::string_view HandleBytes(Handle handle)
{
    if (!handle || !*handle) return {};
    const auto* block = reinterpret_cast<const HandleBlock*>(handle);
    return {block->data, size_t(block->size)};
}

OSErr Fail(OSErr error, std::string text)
{
    std::lock_guard lock(gErrorLock);
    gLastError = error;
    gLastText = std::move(text);
    return error;
}

std::string FormatText(OSType format)
{
    std::string text = "'";
    for (int shift = 24; shift >= 0; shift -= 8) text.push_back(char((format >> shift) & 0xFF));
    return text + "'";
}

QT_EXPORT Handle NewHandle(int32_t size)
{
    if (size < 0 || size > kMaxHandle) {
        tMemError = memFullErr;
        return nullptr;
    }
    auto* block = new HandleBlock;
    block->data = static_cast<char*>(std::calloc(size_t(size) + 1, 1));
    block->size = size;
    tMemError = block->data ? noErr : memFullErr;
    if (!block->data) {
        delete block;
        return nullptr;
    }
    return &block->data;
}

QT_EXPORT Handle NewHandleClear(int32_t size) { return NewHandle(size); }

QT_EXPORT void DisposeHandle(Handle handle)
{
    if (!handle) return;
    auto* block = reinterpret_cast<HandleBlock*>(handle);
    std::free(block->data);
    delete block;
}

QT_EXPORT int32_t GetHandleSize(Handle handle) { return handle ? reinterpret_cast<HandleBlock*>(handle)->size : 0; }

QT_EXPORT void SetHandleSize(Handle handle, int32_t size)
{
    if (!handle || size < 0 || size > kMaxHandle) {
        tMemError = handle ? memFullErr : paramErr;
        return;
    }
    auto* block = reinterpret_cast<HandleBlock*>(handle);
    char* data = static_cast<char*>(std::realloc(block->data, size_t(size) + 1));
    if (!data) {
        tMemError = memFullErr;
        return;
    }
    if (size > block->size) std::memset(data + block->size, 0, size_t(size - block->size));
    block->data = data;
    block->size = size;
    tMemError = noErr;
}

QT_EXPORT OSErr MemError() { return tMemError; }

QT_EXPORT OSErr FSMakeFSSpec(int16_t vRefNum, int32_t dirID, const unsigned char* name, FSSpec* spec)
{
    if (!name || !spec || name[0] == 0) return paramErr;
    spec->vRefNum = vRefNum;
    spec->parID = dirID;
    std::memcpy(spec->name, name, size_t(name[0]) + 1);
    // The file need not exist yet: an export creates it.
    return noErr;
}

QT_EXPORT OSErr QTNewAlias(const FSSpec* spec, AliasHandle* alias, Boolean)
{
    if (!spec || !alias) return paramErr;
    *alias = MakeHandle(spec->name + 1, spec->name[0]);
    return *alias ? noErr : memFullErr;
}

QT_EXPORT void QTDisposeAtomContainer(QTAtomContainer container) { DisposeHandle(container); }

QT_EXPORT const char* QTErrorText(OSErr error)
{
    static thread_local std::string text;
    {
        std::lock_guard lock(gErrorLock);
        if (error == gLastError && !gLastText.empty()) return (text = gLastText).c_str();
    }
    switch (error) {
    case noErr: return "";
    case eofErr: return "End of data.";
    case paramErr: return "A value given to QuickTime is not valid.";
    case userCanceledErr: return "The user cancelled.";
    case noCodecErr: return "QuickTime has no encoder for the chosen format on this system.";
    default: return "QuickTime could not complete the operation.";
    }
}

Handle SCompressionSettings::ToAtoms() const
{
    const std::pair<OSType, uint32_t> values[] = {
        {0x76636F64 /*vcod*/, videoCodec},      {0x7671616C /*vqal*/, uint32_t(quality)},
        {0x7674716C /*vtql*/, uint32_t(temporalQuality)}, {0x76667073 /*vfps*/, uint32_t(frameRate)},
        {0x766B6579 /*vkey*/, uint32_t(keyFrameRate)}, {0x76647274 /*vdrt*/, uint32_t(dataRate)},
        {0x76647572 /*vdur*/, uint32_t(frameDuration)}, {0x73636F64 /*scod*/, soundFormat},
        {0x73726174 /*srat*/, sampleRate},      {0x7363686E /*schn*/, uint32_t(uint16_t(channels))},
        {0x73626974 /*sbit*/, uint32_t(uint16_t(sampleSize))}, {0x73627274 /*sbrt*/, uint32_t(soundBitRate)},
    };
    std::string bytes;
    for (const auto& [type, value] : values) {
        PutBig(bytes, 12);
        PutBig(bytes, type);
        PutBig(bytes, value);
    }
    return MakeHandle(bytes.data(), int32_t(bytes.size()));
}

bool SCompressionSettings::FromAtoms(std::string_view bytes)
{
    SCompressionSettings read = *this;
    size_t at = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at < 8) return false;
        const uint32_t size = GetBig(bytes, at);
        const uint32_t type = GetBig(bytes, at + 4);
        if (size < 8 || size > bytes.size() - at) return false;
        if (size == 12) {
            const uint32_t v = GetBig(bytes, at + 8);
            switch (type) {
            case 0x76636F64: read.videoCodec = v; break;
            case 0x7671616C: read.quality = int32_t(v > 1023 ? 1023 : v); break;
            case 0x7674716C: read.temporalQuality = int32_t(v > 1023 ? 1023 : v); break;
            case 0x76667073: read.frameRate = Fixed(v); break;
            case 0x766B6579: read.keyFrameRate = int32_t(v); break;
            case 0x76647274: read.dataRate = int32_t(v); break;
            case 0x76647572: read.frameDuration = int32_t(v); break;
            case 0x73636F64: read.soundFormat = v; break;
            case 0x73726174: read.sampleRate = v; break;
            case 0x7363686E: read.channels = int16_t(v); break;
            case 0x73626974: read.sampleSize = int16_t(v); break;
            case 0x73627274: read.soundBitRate = int32_t(v); break;
            default: break;
            }
        }
        at += size;
    }
    *this = read;
    return true;
}

QT_EXPORT bool QTReadSettings(const void* bytes, int32_t size, QTSettingsSummary* summary)
{
    if (!summary || size < 0 || (!bytes && size > 0)) return false;
    // Nothing is assumed for what the block leaves out.
    SCompressionSettings read;
    read.quality = read.temporalQuality = 0;
    read.sampleSize = 0;
    if (!read.FromAtoms(std::string_view(static_cast<const char*>(bytes), size_t(size)))) return false;
    *summary = {read.videoCodec, read.quality,    read.keyFrameRate, read.dataRate,
                read.soundFormat, read.sampleRate, read.channels,     read.soundBitRate};
    return true;
}
