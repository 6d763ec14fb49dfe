#pragma once
// Internal: the object behind a font handle: a FreeType face of the closest installed
// family, sized as the logical font asks.
#include "win32/fonts/Font.h"
#include "win32/gdi/GdiObject.h"

#include <string>
#include <vector>

class GdiPainter;

class GdiFont : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Font;

    explicit GdiFont(const LOGFONTA& font);
    ~GdiFont() override;
    static GdiFont* CreateStock(const char* face, int height, int weight);

    const LOGFONTA& Logical() const { return mLog; }
    TEXTMETRICA Metrics() const { return mMetrics; }
    std::string FaceName() const { return mFamily; }
    // Width of the text in pixels, and the advance of each character.
    int Measure(const std::u32string& text, std::vector<int>* advances = nullptr) const;
    // Draws the text with its cell's top-left corner at (x, y), in device coordinates.
    void Draw(GdiPainter& painter, int x, int y, const std::u32string& text, uint32_t rgb) const;

    static std::u32string Decode(const char* text, int count);

private:
    void Load();
    int Advance(char32_t c) const;

    LOGFONTA mLog;
    TEXTMETRICA mMetrics{};
    std::string mFamily;
    void* mFace = nullptr;
};
