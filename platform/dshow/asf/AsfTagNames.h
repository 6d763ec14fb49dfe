#pragma once
// The Windows Media name of a tag the demultiplexer gives under its own name.
const char* WmAttributeName(const char* containerKey);
