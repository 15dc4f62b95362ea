#pragma once
// The pictures embedded in the executable as RCDATA resources.
#include "app/description.h"
#include "ui/examples/png_image.h"

// Decodes the picture whose resource id is int(p); false when the resource
// is missing or is not a valid PNG, and the picture is then simply not shown.
bool LoadPicture(Picture p, PngImage* out);
