#include "render/ColorRamp.h"

#include <cmath>

namespace ColorRamp {

bool read(std::istream &in, Texels &texels)
{
    // Any failed extraction counts as corrupt: a missing number, one that
    // does not parse, or a short file that ends in a line end.
    for (float &value : texels)
        if (!(in >> value) || !std::isfinite(value))
            return false;
    return true;
}

} // namespace ColorRamp
