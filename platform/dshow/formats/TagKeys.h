#pragma once
// Tag names as the engine gives them (three-letter ID3v2.2 frame ids) turned into the
// keys the container library writes into each container's own tags.
#include <string>
#include <utility>
#include <vector>

// A known id gives its common key ("TT2" -> "title"); any other name is kept as it is.
std::string ContainerTagKey(const char* name);
// Sets a tag under its container key, replacing an earlier one; an empty value takes it away.
void SetContainerTag(std::vector<std::pair<std::string, std::string>>& tags, const char* name, const char* value);
