#pragma once
// Tag names of Windows Media files and the demultiplexer's own names for them.

// The Windows Media name of a tag the demultiplexer gives under its own name.
const char* WmAttributeName(const char* containerKey);
// The multiplexer's own name for a Windows Media attribute, so that it goes where the
// format keeps it (the title and author in the content description).
const char* ContainerKeyOf(const char* attribute);
