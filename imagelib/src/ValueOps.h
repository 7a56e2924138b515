#pragma once
// Whole-buffer value passes shared by ImageBase<T> and the MetaImage
// loader, which runs them chunk by chunk while the data are in cache.
#include <algorithm>
#include <cstddef>

namespace VOXA {
namespace detail {

// Reverses the bytes of each of n values (no-op for 1-byte types).
template <class T>
void reverseBytes(T *values, std::size_t n)
{
    if (sizeof(T) == 1)
        return;
    unsigned char *bytes = reinterpret_cast<unsigned char *>(values);
    for (std::size_t i = 0; i < n; ++i, bytes += sizeof(T))
        std::reverse(bytes, bytes + sizeof(T));
}

// One vector register's worth (kBytes) of running minima and maxima; a
// loop over these lanes compiles to one SIMD min and max with the lanes
// kept in the register (an array of several registers ends up on the
// stack).
template <class T, std::size_t kBytes>
struct RangeLanes {
    static constexpr std::size_t kCount = sizeof(T) >= kBytes ? 1 : kBytes / sizeof(T);
    T lo[kCount], hi[kCount];

    void reset(T lowest, T highest)
    {
        std::fill(lo, lo + kCount, lowest);
        std::fill(hi, hi + kCount, highest);
    }
    // The comparisons are those of std::minmax_element: a NaN never
    // replaces a number, and one that comes first is kept.
    void add(const T *v)
    {
        for (std::size_t l = 0; l < kCount; ++l) {
            lo[l] = v[l] < lo[l] ? v[l] : lo[l];
            hi[l] = hi[l] < v[l] ? v[l] : hi[l];
        }
    }
    void merge(T &lowest, T &highest) const
    {
        for (std::size_t l = 0; l < kCount; ++l) {
            lowest = lo[l] < lowest ? lo[l] : lowest;
            highest = highest < hi[l] ? hi[l] : highest;
        }
    }
};

// Widens [lowest, highest] (values of the set so far) to the n values at
// v, with vectors of kVectorBytes. Two independent vector chains keep the
// loop near the CPU's min/max throughput.
template <class T, std::size_t kVectorBytes>
inline void scanRangeInline(const T *v, std::size_t n, T &lowest, T &highest)
{
    using Lanes = RangeLanes<T, kVectorBytes>;
    constexpr std::size_t kStep = Lanes::kCount;
    Lanes even, odd;
    even.reset(lowest, highest);
    odd.reset(lowest, highest);
    std::size_t i = 0;
    for (; i + 2 * kStep <= n; i += 2 * kStep) {
        even.add(v + i);
        odd.add(v + i + kStep);
    }
    for (; i < n; ++i) {
        lowest = v[i] < lowest ? v[i] : lowest;
        highest = highest < v[i] ? v[i] : highest;
    }
    even.merge(lowest, highest);
    odd.merge(lowest, highest);
}

// scanRangeInline for each element type (ValueRange.cpp), with 32-byte
// vectors where the CPU has AVX2.
void scanRange(const char *v, std::size_t n, char &lowest, char &highest);
void scanRange(const unsigned char *v, std::size_t n, unsigned char &lowest, unsigned char &highest);
void scanRange(const short *v, std::size_t n, short &lowest, short &highest);
void scanRange(const unsigned short *v, std::size_t n, unsigned short &lowest, unsigned short &highest);
void scanRange(const int *v, std::size_t n, int &lowest, int &highest);
void scanRange(const unsigned int *v, std::size_t n, unsigned int &lowest, unsigned int &highest);
void scanRange(const float *v, std::size_t n, float &lowest, float &highest);
void scanRange(const double *v, std::size_t n, double &lowest, double &highest);

// Smallest and largest of all values added, as std::minmax_element finds
// them over the concatenation. Loaders run this on every image; a plain
// scalar pass cost three times the file read.
template <class T>
class RangeTracker {
public:
    bool empty() const { return !m_started; }
    T lowest() const { return m_lowest; }
    T highest() const { return m_highest; }

    void add(const T *v, std::size_t n)
    {
        if (n == 0)
            return;
        if (!m_started) {
            m_lowest = m_highest = v[0];
            m_started = true;
        }
        scanRange(v, n, m_lowest, m_highest);
    }

private:
    bool m_started = false;
    T m_lowest{};
    T m_highest{};
};

} // namespace detail
} // namespace VOXA
