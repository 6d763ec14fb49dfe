// Fuzz entry for the picture and icon readers: any bytes must give a bitmap or a clear failure.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/pictures/Picture.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PictureError error = PictureError::None;
    if (HBITMAP bitmap = MvLoadPicture(data, size, &error)) DeleteObject(bitmap);
    for (bool cursor : {false, true})
        if (HICON icon = MvCreateIconFromData(data, size, cursor, 32, 32)) DestroyIcon(icon);
    return 0;
}
