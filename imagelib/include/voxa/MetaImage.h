#pragma once
// MetaImage files: a text header of "Key = value" lines naming a raw data
// file, read into and written from VOXA images.
#include "voxa/Image.h"

#include <cstddef>

namespace VOXA {

// Loads a ".bmp" file as a Bitmap, anything else as a MetaImage header
// with its raw data file (resolved relative to the header's directory).
// Reports what it reads on standard output. Returns a new image owned by
// the caller, or null for a missing or malformed file. Images whose buffer
// would exceed `maxBytes` (at most kMaxImageBytes) are refused.
Image *loadMetaImage(const char *path);
Image *loadMetaImage(const char *path, std::size_t maxBytes);

// Writes baseName + ".mhd" and baseName + ".raw". The header names the raw
// file without its directory, so the pair can be read back from anywhere.
// 0 on success, 1 when the image has no data or a file cannot be written.
int writeMetaImage(const char *baseName, Image *image);

} // namespace VOXA
