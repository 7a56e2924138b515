#include "voxa/ImageBase.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace VOXA {

namespace {
constexpr int kInfoPerChannel = 4; // window, level, lower, upper
constexpr int kWindowSlot = 0;
constexpr int kLevelSlot = 1;
constexpr int kLowerSlot = 2;
constexpr int kUpperSlot = 3;
} // namespace

std::size_t typeSize(unsigned int typeCode)
{
    switch (typeCode) {
    case kTypeChar:
    case kTypeUnsignedChar:
        return 1;
    case kTypeShort:
    case kTypeUnsignedShort:
        return 2;
    case kTypeInt:
    case kTypeUnsignedInt:
    case kTypeFloat:
        return 4;
    case kTypeDouble:
        return 8;
    default:
        return 0;
    }
}

int nextPowerOfTwo(int n)
{
    long long p = 1;
    while (p < n)
        p *= 2;
    return p > INT_MAX ? 0 : int(p);
}

Image *createImage(unsigned int typeCode)
{
    switch (typeCode) {
    case kTypeChar:
        return new ImageBase<char>();
    case kTypeUnsignedChar:
        return new ImageBase<unsigned char>();
    case kTypeShort:
        return new ImageBase<short>();
    case kTypeUnsignedShort:
        return new ImageBase<unsigned short>();
    case kTypeInt:
        return new ImageBase<int>();
    case kTypeUnsignedInt:
        return new ImageBase<unsigned int>();
    case kTypeFloat:
        return new ImageBase<float>();
    case kTypeDouble:
        return new ImageBase<double>();
    default:
        return nullptr;
    }
}

Image::Image()
    : m_dim{0, 0, 0, 0}, m_spacing{1.0f, 1.0f, 1.0f, 1.0f}, m_channels(0), m_verbose(1),
      m_stride(0), m_slice_size(0), m_frame_size(0), m_image_size(0), m_pos(0), m_type(0),
      m_buffer(nullptr)
{
}

Image::~Image() = default;

int Image::hook(int)
{
    return 0;
}

void Image::setSpacing(float x, float y, float z, float t)
{
    m_spacing[0] = x;
    m_spacing[1] = y;
    m_spacing[2] = z;
    m_spacing[3] = t;
}

void Image::setRange(float lower, float upper, int channel)
{
    if (channel < 0 || channel >= m_channels)
        return;
    float *info = &m_channelInfo[std::size_t(channel) * kInfoPerChannel];
    info[kLowerSlot] = lower;
    info[kUpperSlot] = upper;
    info[kWindowSlot] = upper - lower;
    info[kLevelSlot] = (upper + lower) / 2.0f;
}

void Image::setWindowLevel(float window, float level, int channel)
{
    if (channel < 0 || channel >= m_channels)
        return;
    float *info = &m_channelInfo[std::size_t(channel) * kInfoPerChannel];
    info[kWindowSlot] = window;
    info[kLevelSlot] = level;
    info[kLowerSlot] = level - window / 2.0f;
    info[kUpperSlot] = level + window / 2.0f;
}

float Image::channelInfo(int channel, int slot) const
{
    if (channel < 0 || channel >= m_channels)
        return 0.0f;
    return m_channelInfo[std::size_t(channel) * kInfoPerChannel + slot];
}

std::size_t Image::bufferSize(bool powerOfTwo) const
{
    std::size_t n = std::size_t(m_channels) * std::size_t(m_dim[3]);
    for (int i = 0; i < 3; ++i)
        n *= std::size_t(powerOfTwo ? nextPowerOfTwo(m_dim[i]) : m_dim[i]);
    return n;
}

bool Image::setGeometry(int x, int y, int z, int t, int channels, std::size_t elementSize)
{
    const int sizes[5] = {channels, x, y, z, t};
    // Each factor is below 2^31 and the running product stays below the
    // cap (<= 2^30) before each step, so 64 bits never overflow.
    std::uint64_t bytes = elementSize;
    for (int s : sizes) {
        if (s < 0)
            return false;
        bytes *= std::uint64_t(s);
        if (bytes > kMaxImageBytes)
            return false;
    }
    m_dim[0] = x;
    m_dim[1] = y;
    m_dim[2] = z;
    m_dim[3] = t;
    m_channels = channels;
    m_stride = x * channels;
    m_slice_size = m_stride * y;
    m_frame_size = m_slice_size * z;
    m_image_size = m_frame_size * t;
    m_pos = 0;
    zeroChannelInfo();
    return true;
}

void Image::resetGeometry()
{
    std::fill(m_dim, m_dim + 4, 0);
    m_channels = 0;
    m_stride = m_slice_size = m_frame_size = m_image_size = 0;
    m_pos = 0;
    m_channelInfo.clear();
}

void Image::zeroChannelInfo()
{
    m_channelInfo.assign(std::size_t(m_channels) * kInfoPerChannel, 0.0f);
}

} // namespace VOXA
