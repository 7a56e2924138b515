#pragma once
// The imagetool commands. Each returns the process exit status and prints
// a one-line error on stderr when it fails.
#include <iosfwd>

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // unreadable input, unwritable output
constexpr int kExitUsage = 2;

// Sizes, channels, element type, spacing and value range of a BMP or
// MetaImage file, on `out`.
int infoCommand(const char *path, std::ostream &out);
// Reads a BMP or MetaImage file and writes it as BMP (".bmp": 8-bit
// unsigned data with 1 to 4 channels, one slice) or MetaImage (".mhd").
int convertCommand(const char *in, const char *out);
