// Windowed export to bytes and words, and the centre of mass of
// ImageBase<T>. Included by ImageBase.cpp only.
#include <algorithm>

namespace VOXA {

template <class T>
template <class Out>
void ImageBase<T>::mapWindow(Out *out, const int *outDims, int firstSlice, int slices,
                             int firstFrame, int frames, float outMax) const
{
    const long outStride = long(outDims[0]) * m_channels;
    const long outSlice = outStride * outDims[1];
    const long outFrame = outSlice * outDims[2];
    for (int c = 0; c < m_channels; ++c) {
        const double lower = getLower(c), width = double(getUpper(c)) - lower;
        for (int t = 0; t < frames; ++t)
            for (int z = 0; z < slices; ++z)
                for (int y = 0; y < m_dim[1]; ++y) {
                    const T *in = m_data + index(0, y, firstSlice + z, firstFrame + t, c);
                    Out *row = out + t * outFrame + z * outSlice + y * outStride + c;
                    for (int x = 0; x < m_dim[0]; ++x, in += m_channels, row += m_channels) {
                        // An empty window is a threshold at its bound.
                        const double v = double(*in) - lower;
                        const double mapped = width > 0.0 ? v * outMax / width
                                                          : (v > 0.0 ? outMax : 0.0);
                        *row = Out(std::max(0.0, std::min(mapped, double(outMax))));
                    }
                }
    }
}

template <class T>
template <class Out>
Out *ImageBase<T>::toMapped(Out *buffer, bool powerOfTwo, float outMax) const
{
    const std::size_t n = bufferSize(powerOfTwo);
    if (m_data == nullptr || n == 0)
        return buffer;
    if (buffer == nullptr)
        buffer = new Out[n];
    std::fill(buffer, buffer + n, Out(0));
    int dims[3];
    for (int a = 0; a < 3; ++a)
        dims[a] = powerOfTwo ? nextPowerOfTwo(m_dim[a]) : m_dim[a];
    mapWindow(buffer, dims, 0, m_dim[2], 0, m_dim[3], outMax);
    return buffer;
}

template <class T>
unsigned char *ImageBase<T>::toBytes(unsigned char *buffer, bool powerOfTwo) const
{
    return toMapped(buffer, powerOfTwo, 255.0f);
}

template <class T>
unsigned short *ImageBase<T>::toWords(unsigned short *buffer, bool powerOfTwo) const
{
    return toMapped(buffer, powerOfTwo, 65535.0f);
}

template <class T>
unsigned char *ImageBase<T>::sliceToBytes(unsigned char *buffer, int slice, int frame,
                                          bool powerOfTwo) const
{
    if (m_data == nullptr || slice < 0 || slice >= m_dim[2] || frame < 0 || frame >= m_dim[3])
        return nullptr;
    const int dims[3] = {powerOfTwo ? nextPowerOfTwo(m_dim[0]) : m_dim[0],
                         powerOfTwo ? nextPowerOfTwo(m_dim[1]) : m_dim[1], 1};
    const std::size_t n = std::size_t(dims[0]) * dims[1] * m_channels;
    if (n == 0)
        return buffer;
    if (buffer == nullptr)
        buffer = new unsigned char[n];
    std::fill(buffer, buffer + n, 0);
    mapWindow(buffer, dims, slice, 1, frame, 1, 255.0f);
    return buffer;
}

template <class T>
void ImageBase<T>::centreOfMass(float *out) const
{
    double sum[3] = {0.0, 0.0, 0.0}, total = 0.0;
    const double lower = getLower(0);
    if (m_data != nullptr)
        for (int t = 0; t < m_dim[3]; ++t)
            for (int z = 0; z < m_dim[2]; ++z)
                for (int y = 0; y < m_dim[1]; ++y)
                    for (int x = 0; x < m_dim[0]; ++x) {
                        // Values below the lower bound would pull the
                        // centre away with negative mass; they count 0.
                        const double w = std::max(0.0, double(m_data[index(x, y, z, t, 0)]) - lower);
                        sum[0] += w * x;
                        sum[1] += w * y;
                        sum[2] += w * z;
                        total += w;
                    }
    for (int a = 0; a < 3; ++a)
        out[a] = total > 0.0 ? float(sum[a] / total) : (m_dim[a] - 1) / 2.0f;
}

} // namespace VOXA
