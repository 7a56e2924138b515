// Buffer management, raw I/O, element access and whole-image value
// operations of ImageBase<T>. Included by ImageBase.cpp only.
#include "Convert.h"
#include "ValueOps.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace VOXA {

// glibc's malloc family aligns to 16 bytes on 64-bit targets, which is the
// alignment the element buffer promises.
static_assert(alignof(std::max_align_t) >= 16, "element buffers must be 16-byte aligned");

template <class T>
ImageBase<T>::ImageBase() : m_externalData(false), m_data(nullptr)
{
    m_type = typeCode();
}

template <class T>
ImageBase<T>::~ImageBase()
{
    freeData();
}

template <class T>
void ImageBase<T>::adopt(T *data, bool external)
{
    m_data = data;
    m_externalData = external;
    setBufferView(data);
}

template <class T>
void ImageBase<T>::freeData()
{
    if (!m_externalData)
        std::free(m_data);
    adopt(nullptr, false);
}

template <class T>
int ImageBase<T>::setData(void *data)
{
    freeData();
    adopt(static_cast<T *>(data), data != nullptr);
    return 0;
}

template <class T>
int ImageBase<T>::initBuffer(int x, int y, int z, int t, int channels, bool zeroed)
{
    // An adopted buffer was sized for the old geometry, so it is dropped
    // rather than kept: keeping it would let the new sizes run past it.
    freeData();
    if (!setGeometry(x, y, z, t, channels, sizeof(T))) {
        resetGeometry();
        std::cout << "Error while initializing!\n";
        return -1;
    }
    if (m_image_size == 0)
        return 0;
    const std::size_t bytes = std::size_t(m_image_size) * sizeof(T);
    void *buffer = zeroed ? std::calloc(1, bytes) : std::malloc(bytes);
    if (buffer == nullptr) {
        resetGeometry();
        std::cout << "Error while initializing!\n";
        return -1;
    }
    adopt(static_cast<T *>(buffer), false);
    return 0;
}

template <class T>
int ImageBase<T>::init(int x, int y, int z, int t, int channels)
{
    return initBuffer(x, y, z, t, channels, true);
}

template <class T>
int ImageBase<T>::initUninitialised(int x, int y, int z, int t, int channels)
{
    return initBuffer(x, y, z, t, channels, false);
}

template <class T>
void ImageBase<T>::clear()
{
    if (m_data == nullptr && m_image_size > 0) {
        void *buffer = std::calloc(std::size_t(m_image_size), sizeof(T));
        if (buffer == nullptr) {
            std::cout << "Error while initializing!\n";
            return;
        }
        adopt(static_cast<T *>(buffer), false);
    } else if (m_data != nullptr) {
        std::memset(static_cast<void *>(m_data), 0, std::size_t(m_image_size) * sizeof(T));
    }
    zeroChannelInfo();
}

namespace detail {
// Opens only regular files: a device or FIFO named by a header could block
// or never end.
inline std::FILE *openRegular(const char *path, const char *mode)
{
    struct stat info;
    if (path == nullptr || ::stat(path, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    return std::fopen(path, mode);
}
} // namespace detail

template <class T>
int ImageBase<T>::readRaw(const char *path)
{
    std::FILE *file = detail::openRegular(path, "rb");
    if (file == nullptr)
        return 1;
    const std::size_t wanted = std::size_t(m_image_size);
    const std::size_t got = m_data ? std::fread(m_data, sizeof(T), wanted, file) : 0;
    std::fclose(file);
    if (got == wanted)
        return 0;
    // A partly read last value is indeterminate; zero it with the rest.
    if (m_data != nullptr)
        std::memset(static_cast<void *>(m_data + got), 0, (wanted - got) * sizeof(T));
    return 2;
}

template <class T>
int ImageBase<T>::writeRaw(const char *path) const
{
    if (path == nullptr)
        return 1;
    std::FILE *file = std::fopen(path, "wb");
    if (file == nullptr)
        return 1;
    const std::size_t wanted = m_data ? std::size_t(m_image_size) : 0;
    const bool ok = std::fwrite(m_data, sizeof(T), wanted, file) == wanted;
    return (std::fclose(file) == 0 && ok) ? 0 : 1;
}

template <class T>
bool ImageBase<T>::inside(int x, int y, int z, int t, int c) const
{
    return m_data != nullptr && x >= 0 && x < m_dim[0] && y >= 0 && y < m_dim[1] && z >= 0 &&
           z < m_dim[2] && t >= 0 && t < m_dim[3] && c >= 0 && c < m_channels;
}

template <class T>
bool ImageBase<T>::nextValue(float &value)
{
    if (m_data == nullptr || m_pos < 0 || m_pos >= m_image_size)
        return false;
    value = float(m_data[m_pos++]);
    return true;
}

template <class T>
bool ImageBase<T>::putNext(float value)
{
    if (m_data == nullptr || m_pos < 0 || m_pos >= m_image_size)
        return false;
    m_data[m_pos++] = detail::fromFloat<T>(value);
    return true;
}

template <class T>
void ImageBase<T>::setCurrent(float value)
{
    // Before the first read or write there is no current value.
    if (m_data == nullptr || m_pos < 1 || m_pos > m_image_size)
        return;
    m_data[m_pos - 1] = detail::fromFloat<T>(value);
}

template <class T>
void ImageBase<T>::setValue(float value, int x, int y, int z, int t, int c)
{
    if (inside(x, y, z, t, c))
        m_data[index(x, y, z, t, c)] = detail::fromFloat<T>(value);
}

template <class T>
float ImageBase<T>::getValue(int x, int y, int z, int t, int c) const
{
    return inside(x, y, z, t, c) ? float(m_data[index(x, y, z, t, c)]) : 0.0f;
}

template <class T>
float ImageBase<T>::getValue(float x, float y, float z) const
{
    return getValue(detail::gridIndex(x), detail::gridIndex(y), detail::gridIndex(z), 0, 0);
}

template <class T>
void ImageBase<T>::getPixel(float *out, float x, float y, float z) const
{
    const int ix = detail::gridIndex(x), iy = detail::gridIndex(y), iz = detail::gridIndex(z);
    for (int c = 0; c < m_channels; ++c)
        out[c] = getValue(ix, iy, iz, 0, c);
}


template <class T>
void ImageBase<T>::computeRange()
{
    float lower = 0.0f, upper = 0.0f;
    if (m_data != nullptr && m_image_size > 0) {
        detail::RangeTracker<T> range;
        range.add(m_data, std::size_t(m_image_size));
        lower = float(range.lowest());
        upper = float(range.highest());
    }
    for (int c = 0; c < m_channels; ++c)
        setRange(lower, upper, c);
}

template <class T>
void ImageBase<T>::swapByteOrder()
{
    if (m_data != nullptr)
        detail::reverseBytes(m_data, std::size_t(m_image_size));
}

template <class T>
void ImageBase<T>::flip(bool fx, bool fy, bool fz, bool ft)
{
    if (m_data == nullptr)
        return;
    const bool axes[4] = {fx, fy, fz, ft};
    const long blocks[4] = {m_channels, m_stride, m_slice_size, m_frame_size};
    for (int a = 0; a < 4; ++a) {
        if (!axes[a] || m_dim[a] < 2)
            continue;
        // Swap blocks i and n-1-i along axis a: a block is one step on that
        // axis, `outer` runs over everything above it.
        const long block = blocks[a];
        const long span = block * m_dim[a];
        for (long outer = 0; outer < m_image_size; outer += span)
            for (int i = 0; i < m_dim[a] / 2; ++i)
                std::swap_ranges(m_data + outer + i * block, m_data + outer + (i + 1) * block,
                                 m_data + outer + (m_dim[a] - 1 - i) * block);
    }
}

template <class T>
void ImageBase<T>::invert()
{
    if (m_data == nullptr || m_channels == 0)
        return;
    for (int i = 0; i < m_image_size; ++i) {
        const int c = i % m_channels;
        m_data[i] = detail::fromFloat<T>(double(getLower(c)) + getUpper(c) - double(m_data[i]));
    }
}

template <class T>
void ImageBase<T>::applyWindowLevel(bool invert)
{
    if (m_data == nullptr)
        return;
    const double lower = getLower(0), upper = getUpper(0);
    for (int i = 0; i < m_image_size; ++i) {
        // Not std::clamp: a window with upper < lower must not be undefined.
        const double v = std::max(lower, std::min(double(m_data[i]), upper));
        m_data[i] = detail::fromFloat<T>(invert ? upper - v : v - lower);
    }
    // The values now lie in [0, window]; keep the bookkeeping truthful.
    for (int c = 0; c < m_channels; ++c)
        setRange(0.0f, float(upper - lower), c);
    if (m_verbose)
        std::cout << "Window/Level setting applied" << std::endl;
}

} // namespace VOXA
