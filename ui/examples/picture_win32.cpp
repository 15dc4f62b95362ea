#include "ui/examples/picture_win32.h"

#include <windows.h>

bool LoadPicture(Picture p, PngImage* out) {
    if (p == Picture::None) return false;
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(int(p)), RT_RCDATA);
    if (info == nullptr) return false;
    const DWORD size = SizeofResource(nullptr, info);
    HGLOBAL loaded = LoadResource(nullptr, info);
    if (size == 0 || loaded == nullptr) return false;
    // Resource memory is mapped with the module and needs no release.
    const void* data = LockResource(loaded);
    return data != nullptr && DecodePng(data, size, out);
}
