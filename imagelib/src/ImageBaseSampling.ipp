// Interpolating access of ImageBase<T>. Included by ImageBase.cpp only.
#include <cmath>

namespace VOXA {
namespace detail {

// Splits a position into a grid index in [0, size-1] and the fraction
// toward the next point. Positions outside (and NaN) clamp to the edge.
inline int splitCoordinate(float v, int size, float &fraction)
{
    fraction = 0.0f;
    if (!(v > 0.0f))
        return 0;
    if (v >= float(size - 1))
        return size - 1;
    const float whole = std::floor(v);
    fraction = v - whole;
    return int(whole);
}

inline int clampIndex(int i, int size)
{
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

// Cubic convolution weights with a = -1 for the points at offsets -1..2.
inline void cubicWeights(float t, float *w)
{
    const float t2 = t * t, t3 = t2 * t;
    w[0] = -t3 + 2.0f * t2 - t;
    w[1] = t3 - 2.0f * t2 + 1.0f;
    w[2] = -t3 + t2 + t;
    w[3] = t3 - t2;
}

} // namespace detail

template <class T>
float ImageBase<T>::sampleLinearChannel(float x, float y, float z, int c) const
{
    float f[3];
    const int i0[3] = {detail::splitCoordinate(x, m_dim[0], f[0]),
                       detail::splitCoordinate(y, m_dim[1], f[1]),
                       detail::splitCoordinate(z, m_dim[2], f[2])};
    int i1[3];
    for (int a = 0; a < 3; ++a)
        i1[a] = detail::clampIndex(i0[a] + 1, m_dim[a]);
    float result = 0.0f;
    for (int corner = 0; corner < 8; ++corner) {
        float weight = 1.0f;
        int at[3];
        for (int a = 0; a < 3; ++a) {
            const bool high = (corner >> a) & 1;
            weight *= high ? f[a] : 1.0f - f[a];
            at[a] = high ? i1[a] : i0[a];
        }
        if (weight != 0.0f)
            result += weight * float(m_data[index(at[0], at[1], at[2], 0, c)]);
    }
    return result;
}

template <class T>
float ImageBase<T>::sampleCubicChannel(float x, float y, float z, int c) const
{
    float f[3], w[3][4];
    const int i0[3] = {detail::splitCoordinate(x, m_dim[0], f[0]),
                       detail::splitCoordinate(y, m_dim[1], f[1]),
                       detail::splitCoordinate(z, m_dim[2], f[2])};
    for (int a = 0; a < 3; ++a)
        detail::cubicWeights(f[a], w[a]);
    float result = 0.0f;
    for (int k = 0; k < 4; ++k) {
        const int zi = detail::clampIndex(i0[2] + k - 1, m_dim[2]);
        for (int j = 0; j < 4; ++j) {
            const int yi = detail::clampIndex(i0[1] + j - 1, m_dim[1]);
            const float wyz = w[2][k] * w[1][j];
            if (wyz == 0.0f)
                continue;
            for (int i = 0; i < 4; ++i) {
                const int xi = detail::clampIndex(i0[0] + i - 1, m_dim[0]);
                result += wyz * w[0][i] * float(m_data[index(xi, yi, zi, 0, c)]);
            }
        }
    }
    return result;
}

template <class T>
void ImageBase<T>::sampleLinear(float *out, float x, float y, float z) const
{
    const bool empty = m_data == nullptr || m_image_size == 0;
    for (int c = 0; c < m_channels; ++c)
        out[c] = empty ? 0.0f : sampleLinearChannel(x, y, z, c);
}

template <class T>
float ImageBase<T>::sampleLinear(float x, float y, float z) const
{
    return (m_data == nullptr || m_image_size == 0) ? 0.0f : sampleLinearChannel(x, y, z, 0);
}

template <class T>
void ImageBase<T>::sampleCubic(float *out, float x, float y, float z) const
{
    const bool empty = m_data == nullptr || m_image_size == 0;
    for (int c = 0; c < m_channels; ++c)
        out[c] = empty ? 0.0f : sampleCubicChannel(x, y, z, c);
}

template <class T>
float ImageBase<T>::sampleCubic(float x, float y, float z) const
{
    return (m_data == nullptr || m_image_size == 0) ? 0.0f : sampleCubicChannel(x, y, z, 0);
}

} // namespace VOXA
