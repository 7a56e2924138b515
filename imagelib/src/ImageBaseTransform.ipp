// Geometry-changing operations of ImageBase<T>: downsampling, reslicing,
// power-of-two scaling. Included by ImageBase.cpp only.
#include <iostream>

namespace VOXA {

template <class T>
void ImageBase<T>::takeBuffer(ImageBase<T> &source)
{
    std::vector<float> info = m_channelInfo;
    freeData();
    setGeometry(source.m_dim[0], source.m_dim[1], source.m_dim[2], source.m_dim[3],
                source.m_channels, sizeof(T));
    if (info.size() == m_channelInfo.size())
        m_channelInfo = info;
    adopt(source.m_data, source.m_externalData);
    source.adopt(nullptr, false);
    source.resetGeometry();
}

template <class T>
void ImageBase<T>::downsample(int fx, int fy, int fz)
{
    if (m_data == nullptr)
        return;
    const int f[3] = {std::max(fx, 1), std::max(fy, 1), std::max(fz, 1)};
    int n[3];
    for (int a = 0; a < 3; ++a)
        n[a] = std::max(m_dim[a] / f[a], 1);
    ImageBase<T> small;
    if (small.init(n[0], n[1], n[2], m_dim[3], m_channels) != 0)
        return;
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < n[2]; ++z)
            for (int y = 0; y < n[1]; ++y)
                for (int x = 0; x < n[0]; ++x)
                    for (int c = 0; c < m_channels; ++c) {
                        // Blocks are clipped where the image is smaller
                        // than one factor.
                        double sum = 0.0;
                        int count = 0;
                        for (int k = z * f[2]; k < std::min((z + 1) * f[2], m_dim[2]); ++k)
                            for (int j = y * f[1]; j < std::min((y + 1) * f[1], m_dim[1]); ++j)
                                for (int i = x * f[0]; i < std::min((x + 1) * f[0], m_dim[0]);
                                     ++i, ++count)
                                    sum += double(m_data[index(i, j, k, t, c)]);
                        small.m_data[small.index(x, y, z, t, c)] =
                            detail::fromFloat<T>(count ? sum / count : 0.0);
                    }
    for (int a = 0; a < 3; ++a)
        m_spacing[a] *= float(m_dim[a]) / float(n[a]);
    takeBuffer(small);
    if (m_verbose)
        std::cout << "Image downsampled, new size " << m_dim[0] << " x " << m_dim[1] << " x "
                  << m_dim[2] << " x " << m_dim[3] << std::endl;
}

template <class T>
void ImageBase<T>::reslice(int mode)
{
    if (m_data == nullptr || (mode != 1 && mode != 2))
        return;
    // axis[a]: which old axis becomes new axis a.
    const int axis[3] = {mode == 1 ? 0 : 1, 2, mode == 1 ? 1 : 0};
    ImageBase<T> out;
    if (out.init(m_dim[axis[0]], m_dim[axis[1]], m_dim[axis[2]], m_dim[3], m_channels) != 0)
        return;
    int old[3];
    for (int t = 0; t < m_dim[3]; ++t)
        for (int z = 0; z < out.m_dim[2]; ++z)
            for (int y = 0; y < out.m_dim[1]; ++y)
                for (int x = 0; x < out.m_dim[0]; ++x) {
                    old[axis[0]] = x;
                    old[axis[1]] = out.m_dim[1] - 1 - y; // the mirrored axis
                    old[axis[2]] = z;
                    for (int c = 0; c < m_channels; ++c)
                        out.m_data[out.index(x, y, z, t, c)] =
                            m_data[index(old[0], old[1], old[2], t, c)];
                }
    const float spacing[3] = {m_spacing[axis[0]], m_spacing[axis[1]], m_spacing[axis[2]]};
    std::copy(spacing, spacing + 3, m_spacing);
    takeBuffer(out);
}

template <class T>
float ImageBase<T>::bilinear(const T *slice, float x, float y, int c) const
{
    float fx, fy;
    const int x0 = detail::splitCoordinate(x, m_dim[0], fx);
    const int y0 = detail::splitCoordinate(y, m_dim[1], fy);
    const int x1 = detail::clampIndex(x0 + 1, m_dim[0]);
    const int y1 = detail::clampIndex(y0 + 1, m_dim[1]);
    auto at = [&](int xi, int yi) { return float(slice[c + xi * m_channels + yi * m_stride]); };
    return (1.0f - fy) * ((1.0f - fx) * at(x0, y0) + fx * at(x1, y0)) +
           fy * ((1.0f - fx) * at(x0, y1) + fx * at(x1, y1));
}

template <class T>
void ImageBase<T>::scaleToPowerOfTwo()
{
    if (m_data == nullptr)
        return;
    const int nx = nextPowerOfTwo(m_dim[0]), ny = nextPowerOfTwo(m_dim[1]);
    if (nx != m_dim[0] || ny != m_dim[1]) {
        ImageBase<T> out;
        if (nx == 0 || ny == 0 || out.init(nx, ny, m_dim[2], m_dim[3], m_channels) != 0)
            return;
        // Sample at the centres of the new cells mapped onto the old grid.
        const float sx = float(m_dim[0]) / nx, sy = float(m_dim[1]) / ny;
        for (int t = 0; t < m_dim[3]; ++t)
            for (int z = 0; z < m_dim[2]; ++z) {
                const T *slice = m_data + long(t) * m_frame_size + long(z) * m_slice_size;
                for (int y = 0; y < ny; ++y)
                    for (int x = 0; x < nx; ++x)
                        for (int c = 0; c < m_channels; ++c)
                            out.m_data[out.index(x, y, z, t, c)] = detail::fromFloat<T>(
                                bilinear(slice, (x + 0.5f) * sx - 0.5f, (y + 0.5f) * sy - 0.5f, c));
            }
        m_spacing[0] *= sx;
        m_spacing[1] *= sy;
        takeBuffer(out);
    }
    if (m_verbose)
        std::cout << "Scaled to power of two, new width = " << m_dim[0]
                  << ", height = " << m_dim[1] << std::endl;
}

} // namespace VOXA
