// Filters and derivatives of ImageBase<T>. Results are written through the
// Image interface because their element type is chosen at run time.
// Included by ImageBase.cpp only.
#include <iostream>
#include <limits>

namespace VOXA {
namespace detail {

// Finite range of a type code's values as doubles.
inline void typeRange(unsigned int code, double &lower, double &upper)
{
    switch (code) {
    case kTypeChar: lower = -128; upper = 127; return;
    case kTypeUnsignedChar: lower = 0; upper = 255; return;
    case kTypeShort: lower = -32768; upper = 32767; return;
    case kTypeUnsignedShort: lower = 0; upper = 65535; return;
    case kTypeInt: lower = -2147483648.0; upper = 2147483647.0; return;
    case kTypeUnsignedInt: lower = 0; upper = 4294967295.0; return;
    default:
        lower = -double(std::numeric_limits<float>::max());
        upper = double(std::numeric_limits<float>::max());
    }
}

// Source index of border position i when mirroring about the line `width`
// elements inside each edge of an axis of n points.
inline int mirrorIndex(int i, int n, int width)
{
    int source = i;
    if (i < width)
        source = 2 * width - i;
    else if (i > n - 1 - width)
        source = 2 * (n - 1 - width) - i;
    return clampIndex(source, n);
}

// Difference along one axis at i (of n points, `step` apart in `v`):
// central inside, one-sided at the ends, 0 on a single point.
inline float derivative(const float *v, int i, int n, long step)
{
    if (n < 2)
        return 0.0f;
    if (i == 0)
        return v[step] - v[0];
    if (i == n - 1)
        return v[0] - v[-step];
    return (v[step] - v[-step]) / 2.0f;
}

} // namespace detail

template <class T>
unsigned int ImageBase<T>::resultType(unsigned int typeCode, const char *refusal) const
{
    const unsigned int type = typeCode == 0 ? m_type : typeCode;
    if (isUnsignedType(type)) {
        std::cout << refusal << std::endl;
        return 0;
    }
    return type;
}

template <class T>
Image *ImageBase<T>::makeResult(unsigned int type, int channels, Image *result) const
{
    if (result == this) { // init() would discard the values being read
        std::cout << "Error: Result image must not be the source image!" << std::endl;
        return nullptr;
    }
    if (result != nullptr && result->getType() != type) {
        std::cout << "Error: Result image has the wrong data type!" << std::endl;
        return nullptr;
    }
    Image *image = result ? result : createImage(type);
    if (image == nullptr) {
        std::cout << "Error: Unknown data type!" << std::endl;
        return nullptr;
    }
    if (image->init(m_dim[0], m_dim[1], m_dim[2], m_dim[3], channels) != 0) {
        if (image != result)
            delete image;
        return nullptr;
    }
    image->setSpacing(m_spacing[0], m_spacing[1], m_spacing[2], m_spacing[3]);
    image->setPos(0);
    return image;
}

template <class T>
std::vector<float> ImageBase<T>::channelZero() const
{
    std::vector<float> values;
    if (m_data == nullptr || m_channels == 0)
        return values;
    values.reserve(std::size_t(m_image_size / m_channels));
    for (int i = 0; i < m_image_size; i += m_channels)
        values.push_back(float(m_data[i]));
    return values;
}

template <class T>
Image *ImageBase<T>::filter(unsigned int typeCode, const float *kernel, int windowSize,
                            Image *result) const
{
    const unsigned int type =
        resultType(typeCode, "Error: unsigned data type, cannot compute filtered image!");
    if (type == 0)
        return nullptr;
    if (windowSize < 1 || windowSize % 2 == 0) {
        std::cout << "Error: Window size must be an odd number!" << std::endl;
        return nullptr;
    }
    if (kernel == nullptr) {
        std::cout << "Error: Cannot compute filtered image without filter!" << std::endl;
        return nullptr;
    }
    Image *out = makeResult(type, m_channels, result);
    if (out == nullptr || m_data == nullptr)
        return out;
    const int half = windowSize / 2;
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < m_dim[2]; ++z)
            for (int y = half; y < m_dim[1] - half; ++y)
                for (int x = half; x < m_dim[0] - half; ++x)
                    for (int c = 0; c < m_channels; ++c) {
                        double sum = 0.0;
                        for (int j = 0; j < windowSize; ++j)
                            for (int i = 0; i < windowSize; ++i) {
                                const float weight = kernel[j * windowSize + i];
                                if (weight != 0.0f)
                                    sum += weight *
                                           double(m_data[index(x + i - half, y + j - half, z, t, c)]);
                            }
                        out->setValue(float(sum), x, y, z, t, c);
                    }
    out->mirrorBorder(half);
    out->computeRange();
    return out;
}

template <class T>
void ImageBase<T>::mirrorBorder(int width)
{
    if (m_data == nullptr || width <= 0)
        return;
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < m_dim[2]; ++z) {
            // Columns of every row first, then whole rows, so that the
            // corners come from already mirrored rows.
            for (int y = 0; y < m_dim[1]; ++y)
                for (int x = 0; x < m_dim[0]; ++x) {
                    const int source = detail::mirrorIndex(x, m_dim[0], width);
                    if (source != x)
                        for (int c = 0; c < m_channels; ++c)
                            m_data[index(x, y, z, t, c)] = m_data[index(source, y, z, t, c)];
                }
            for (int y = 0; y < m_dim[1]; ++y) {
                const int source = detail::mirrorIndex(y, m_dim[1], width);
                if (source != y)
                    std::copy(m_data + index(0, source, z, t, 0),
                              m_data + index(0, source, z, t, 0) + m_stride,
                              m_data + index(0, y, z, t, 0));
            }
        }
}

template <class T>
Image *ImageBase<T>::gradient2D(unsigned int typeCode, bool border) const
{
    const unsigned int type =
        resultType(typeCode, "Error: unsigned data type, cannot compute gradient!");
    Image *out = type ? makeResult(type, 2, nullptr) : nullptr;
    if (out == nullptr)
        return nullptr;
    const std::vector<float> v = channelZero();
    if (v.empty())
        return out;
    long i = 0;
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < m_dim[2]; ++z)
            for (int y = 0; y < m_dim[1]; ++y)
                for (int x = 0; x < m_dim[0]; ++x, ++i) {
                    const bool edge =
                        x == 0 || y == 0 || x == m_dim[0] - 1 || y == m_dim[1] - 1;
                    const bool zero = border && edge;
                    out->putNext(zero ? 0.0f : detail::derivative(&v[i], x, m_dim[0], 1));
                    out->putNext(zero ? 0.0f : detail::derivative(&v[i], y, m_dim[1], m_dim[0]));
                }
    out->computeRange();
    return out;
}

template <class T>
Image *ImageBase<T>::hessian(unsigned int typeCode) const
{
    const unsigned int type =
        resultType(typeCode, "Error: unsigned data type, cannot compute hessian!");
    Image *out = type ? makeResult(type, 3, nullptr) : nullptr;
    if (out == nullptr)
        return nullptr;
    const std::vector<float> v = channelZero();
    if (v.empty())
        return out;
    const int nx = m_dim[0], ny = m_dim[1];
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < m_dim[2]; ++z) {
            const float *s = v.data() + (long(t) * m_dim[2] + z) * long(nx) * ny;
            // Neighbours beyond the edge repeat the edge value.
            auto at = [&](int x, int y) {
                return s[long(detail::clampIndex(y, ny)) * nx + detail::clampIndex(x, nx)];
            };
            for (int y = 0; y < ny; ++y)
                for (int x = 0; x < nx; ++x) {
                    out->putNext(at(x + 1, y) - 2.0f * at(x, y) + at(x - 1, y));
                    out->putNext((at(x + 1, y + 1) - at(x + 1, y - 1) - at(x - 1, y + 1) +
                                  at(x - 1, y - 1)) / 4.0f);
                    out->putNext(at(x, y + 1) - 2.0f * at(x, y) + at(x, y - 1));
                }
        }
    out->computeRange();
    return out;
}

template <class T>
Image *ImageBase<T>::gradient3D(unsigned int typeCode) const
{
    const unsigned int type =
        resultType(typeCode, "Error: unsigned data type, cannot compute gradient!");
    Image *out = type ? makeResult(type, 3, nullptr) : nullptr;
    if (out == nullptr)
        return nullptr;
    if (m_verbose)
        std::cout << "Computing 3D gradient..." << std::endl;
    double lower, upper;
    detail::typeRange(type, lower, upper);
    const std::vector<float> v = channelZero();
    if (v.empty())
        return out;
    const long steps[3] = {1, m_dim[0], long(m_dim[0]) * m_dim[1]};
    float smallest = 0.0f, largest = 0.0f;
    long exceeded = 0, i = 0;
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < m_dim[2]; ++z)
            for (int y = 0; y < m_dim[1]; ++y)
                for (int x = 0; x < m_dim[0]; ++x, ++i) {
                    const int at[3] = {x, y, z};
                    for (int a = 0; a < 3; ++a) {
                        const float d = detail::derivative(&v[i], at[a], m_dim[a], steps[a]);
                        smallest = (i == 0 && a == 0) ? d : std::min(smallest, d);
                        largest = (i == 0 && a == 0) ? d : std::max(largest, d);
                        exceeded += (d < lower || d > upper) ? 1 : 0;
                        out->putNext(d); // saturates at the type's range
                    }
                }
    out->computeRange();
    if (m_verbose)
        std::cout << "Done. Range = [" << smallest << ".." << largest << "]" << std::endl;
    if (exceeded > 0)
        std::cout << "Warning: " << exceeded << " values exceeded." << std::endl;
    return out;
}

} // namespace VOXA
