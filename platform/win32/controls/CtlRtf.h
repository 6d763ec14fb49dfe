#pragma once
// Rich text format streaming of the rich edit model: the subset it keeps (fonts, sizes, bold,
// italic, underline, strike-out, colours, paragraph alignment and indents, Unicode text).
#include "win32/controls/CtlTextFormat.h"

#include <string>
#include <string_view>

// Reads rich text into `out`; text before the first group or without the "{\rtf" signature
// fails. Unknown destinations are skipped, malformed input never reads out of bounds, and text
// beyond maxChars characters is dropped.
bool CtlReadRtf(std::string_view data, const CtlCharFormat& base, CtlRichText& out,
                size_t maxChars = size_t{1} << 26);
// Writes the text as a complete rich text document; every paragraph, the last too, ends with \par.
std::string CtlWriteRtf(const CtlRichText& text);
