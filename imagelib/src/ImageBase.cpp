// The one translation unit that defines and instantiates ImageBase<T> for
// the eight element types; the member definitions are split by topic into
// the .ipp files below.
#include "voxa/ImageBase.h"

#include "ImageBaseCore.ipp"
#include "ImageBaseSampling.ipp"
#include "ImageBaseTransform.ipp"
#include "ImageBaseFilter.ipp"
#include "ImageBaseExport.ipp"

namespace VOXA {

template class ImageBase<char>;
template class ImageBase<unsigned char>;
template class ImageBase<short>;
template class ImageBase<unsigned short>;
template class ImageBase<int>;
template class ImageBase<unsigned int>;
template class ImageBase<float>;
template class ImageBase<double>;

} // namespace VOXA
