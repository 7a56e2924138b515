// The range scan for every element type. The x86-64 baseline has 16-byte
// vectors only, and with them the MetaImage loader spent as long on this
// scan as on reading the file; on CPUs with AVX2 a second build of the
// scan with 32-byte vectors is used instead.
#include "ValueOps.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VOXA_HAVE_AVX2_SCAN 1
#else
#define VOXA_HAVE_AVX2_SCAN 0
#endif

namespace VOXA {
namespace detail {

namespace {

constexpr std::size_t kBaselineVectorBytes = 16;

#if VOXA_HAVE_AVX2_SCAN
constexpr std::size_t kAvx2VectorBytes = 32;

// `flatten` compiles the whole template scan for AVX2 inside this function.
template <class T>
__attribute__((target("avx2"), flatten)) void scanAvx2(const T *v, std::size_t n, T &lowest,
                                                      T &highest)
{
    scanRangeInline<T, kAvx2VectorBytes>(v, n, lowest, highest);
}

bool cpuHasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

template <class T>
void scan(const T *v, std::size_t n, T &lowest, T &highest)
{
#if VOXA_HAVE_AVX2_SCAN
    if (cpuHasAvx2()) {
        scanAvx2(v, n, lowest, highest);
        return;
    }
#endif
    scanRangeInline<T, kBaselineVectorBytes>(v, n, lowest, highest);
}

} // namespace

#define VOXA_DEFINE_SCAN_RANGE(T)                                       \
    void scanRange(const T *v, std::size_t n, T &lowest, T &highest)    \
    {                                                                   \
        scan(v, n, lowest, highest);                                    \
    }

VOXA_DEFINE_SCAN_RANGE(char)
VOXA_DEFINE_SCAN_RANGE(unsigned char)
VOXA_DEFINE_SCAN_RANGE(short)
VOXA_DEFINE_SCAN_RANGE(unsigned short)
VOXA_DEFINE_SCAN_RANGE(int)
VOXA_DEFINE_SCAN_RANGE(unsigned int)
VOXA_DEFINE_SCAN_RANGE(float)
VOXA_DEFINE_SCAN_RANGE(double)

#undef VOXA_DEFINE_SCAN_RANGE

} // namespace detail
} // namespace VOXA
