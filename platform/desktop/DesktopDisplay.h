#pragma once
// Whether Qt will find a screen: a platform asked for by name, a Wayland display, or an X11
// display that answers. Null when one is there, else what is missing, in a few words.
const char* DesktopDisplayProblem();
