#pragma once
// Parsing state of a MetaImage header while its lines are read.
#include "voxa/Image.h"

#include <memory>
#include <string>

namespace VOXA {
namespace meta {

constexpr int kMaxDims = 4;

struct HeaderState {
    std::string directory;          // of the header file, "." when none
    std::size_t maxBytes = 0;       // largest element buffer to allocate
    int nDims = 0;
    int dims[kMaxDims] = {1, 1, 1, 1};
    float spacing[kMaxDims] = {1.0f, 1.0f, 1.0f, 1.0f};
    float position[kMaxDims] = {0.0f, 0.0f, 0.0f, 0.0f};
    bool msb = false;
    int channels = 1;
    long long headerSize = 0;
    std::unique_ptr<Image> image;   // created by ElementType
    bool loaded = false;            // set by ElementDataFile
};

// Handles one "key = value" line; false (after printing why) when the
// header cannot give an image.
bool applyKey(HeaderState &state, const std::string &key, const std::string &value);

// Sizes the image from the state and reads its values from the data file
// named by `value`; false (after printing why) when the sizes are refused.
bool loadData(HeaderState &state, const std::string &value);

// `text` without spaces, tabs, carriage returns and line feeds.
std::string withoutSpaces(const std::string &text);

// The MetaImage name of a type code without "MET_" ("UCHAR"...); null for
// an unknown code.
const char *typeName(unsigned int typeCode);

} // namespace meta
} // namespace VOXA
