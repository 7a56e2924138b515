#pragma once
// Float <-> element conversions shared by the ImageBase implementation.
#include <cmath>
#include <limits>
#include <type_traits>

namespace VOXA {
namespace detail {

// Truncates toward zero and saturates at T's range; NaN becomes 0. A plain
// cast would be undefined for values outside T's range.
template <class T>
inline T fromFloat(double v)
{
    if constexpr (std::is_floating_point_v<T>) {
        return T(v);
    } else {
        if (std::isnan(v))
            return T(0);
        if (v <= double(std::numeric_limits<T>::lowest()))
            return std::numeric_limits<T>::lowest();
        if (v >= double(std::numeric_limits<T>::max()))
            return std::numeric_limits<T>::max();
        return T(v);
    }
}

// Cuts a coordinate to a grid index (toward zero); NaN becomes -1 so that
// it fails every bounds check.
inline int gridIndex(float v)
{
    if (!(v > -2.0f))
        return -1;
    if (v >= float(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(v);
}

} // namespace detail
} // namespace VOXA
