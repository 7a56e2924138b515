#pragma once
// VOXA::ImageBase<T>: the element buffer and the 36 operations for one
// element type. Instantiated (in imagelib/src) for char, unsigned char,
// short, unsigned short, int, unsigned int, float and double only.
#include "voxa/Image.h"

namespace VOXA {

// The type code of each element type.
template <class T> struct TypeCodeOf;
template <> struct TypeCodeOf<char> { static constexpr unsigned int value = kTypeChar; };
template <> struct TypeCodeOf<unsigned char> { static constexpr unsigned int value = kTypeUnsignedChar; };
template <> struct TypeCodeOf<short> { static constexpr unsigned int value = kTypeShort; };
template <> struct TypeCodeOf<unsigned short> { static constexpr unsigned int value = kTypeUnsignedShort; };
template <> struct TypeCodeOf<int> { static constexpr unsigned int value = kTypeInt; };
template <> struct TypeCodeOf<unsigned int> { static constexpr unsigned int value = kTypeUnsignedInt; };
template <> struct TypeCodeOf<float> { static constexpr unsigned int value = kTypeFloat; };
template <> struct TypeCodeOf<double> { static constexpr unsigned int value = kTypeDouble; };

template <class T>
class ImageBase : public Image {
public:
    // The type code of T (kTypeChar ... kTypeDouble).
    static constexpr unsigned int typeCode() { return TypeCodeOf<T>::value; }

    ImageBase();
    ~ImageBase() override;

    int readRaw(const char *path) override;
    int setData(void *data) override;
    int writeRaw(const char *path) const override;
    int init(int x, int y, int z, int t, int channels) override;
    void clear() override;
    void freeData() override;
    void downsample(int fx, int fy, int fz) override;
    void reslice(int mode) override;
    void scaleToPowerOfTwo() override;
    void invert() override;
    void applyWindowLevel(bool invert) override;
    bool nextValue(float &value) override;
    bool putNext(float value) override;
    void setCurrent(float value) override;
    void setValue(float value, int x, int y, int z, int t, int c) override;
    void getPixel(float *out, float x, float y, float z) const override;
    float getValue(float x, float y, float z) const override;
    float getValue(int x, int y, int z, int t, int c) const override;
    void sampleLinear(float *out, float x, float y, float z) const override;
    float sampleLinear(float x, float y, float z) const override;
    void sampleCubic(float *out, float x, float y, float z) const override;
    float sampleCubic(float x, float y, float z) const override;
    void computeRange() override;
    void swapByteOrder() override;
    void flip(bool x, bool y, bool z, bool t) override;
    Image *filter(unsigned int typeCode, const float *kernel, int windowSize,
                  Image *result = nullptr) const override;
    void mirrorBorder(int width) override;
    Image *gradient2D(unsigned int typeCode, bool border) const override;
    Image *hessian(unsigned int typeCode) const override;
    Image *gradient3D(unsigned int typeCode) const override;
    unsigned char *toBytes(unsigned char *buffer, bool powerOfTwo) const override;
    unsigned short *toWords(unsigned short *buffer, bool powerOfTwo) const override;
    unsigned char *sliceToBytes(unsigned char *buffer, int slice, int frame,
                                bool powerOfTwo) const override;
    void centreOfMass(float *out) const override;

    T *getTypedData() { return m_data; }
    const T *getTypedData() const { return m_data; }
    bool hasExternalData() const { return m_externalData; }

    // init() without zeroing the new buffer, for readers that overwrite
    // every value; same contract and result as init().
    int initUninitialised(int x, int y, int z, int t, int channels);

protected:
    // Flat index of a value; the coordinates must be inside.
    long index(int x, int y, int z, int t, int c) const
    {
        return c + long(x) * m_channels + long(y) * m_stride + long(z) * m_slice_size +
               long(t) * m_frame_size;
    }
    bool inside(int x, int y, int z, int t, int c) const;

private:
    int initBuffer(int x, int y, int z, int t, int channels, bool zeroed);
    void adopt(T *data, bool external);
    // Replaces sizes and buffer by those of `source` (left empty); keeps
    // this image's spacing and channel info.
    void takeBuffer(ImageBase<T> &source);
    // The result type of a processing operation (0: this type), or 0 after
    // printing `refusal` when that type is unsigned.
    unsigned int resultType(unsigned int typeCode, const char *refusal) const;
    // `result` (checked to be of `type`) or a new image of `type`, sized
    // like this one with `channels` channels; null after a message.
    Image *makeResult(unsigned int type, int channels, Image *result) const;
    // Channel 0 of every grid point as floats, in element order.
    std::vector<float> channelZero() const;
    // Writes one channel-window mapping of every value into `out`, laid out
    // with the (possibly padded) sizes dims[0..2]; Out is a byte or word.
    template <class Out>
    void mapWindow(Out *out, const int *outDims, int firstSlice, int slices, int firstFrame,
                   int frames, float outMax) const;
    template <class Out>
    Out *toMapped(Out *buffer, bool powerOfTwo, float outMax) const;
    // Shared set-up of the processing operations: resolves the result type
    // and prepares `result` or a new image; null after printing `refusal`.
    Image *prepareResult(unsigned int typeCode, int channels, Image *result,
                         const char *refusal) const;
    float bilinear(const T *slice, float x, float y, int c) const;
    float sampleLinearChannel(float x, float y, float z, int c) const;
    float sampleCubicChannel(float x, float y, float z, int c) const;

    bool m_externalData;
    T *m_data;
};

// Implemented and instantiated in imagelib/src for the eight element types.
extern template class ImageBase<char>;
extern template class ImageBase<unsigned char>;
extern template class ImageBase<short>;
extern template class ImageBase<unsigned short>;
extern template class ImageBase<int>;
extern template class ImageBase<unsigned int>;
extern template class ImageBase<float>;
extern template class ImageBase<double>;

} // namespace VOXA
