#pragma once
// VOXA::Image: the type-independent part of an image of up to four
// dimensions (x, y, z, t) with interleaved channels.
//
// Value (c, x, y, z, t) lives at
//   c + x * channels + y * stride + z * sliceSize + t * frameSize
// i.e. channel fastest, then x, y, z, t.
#include <cstddef>
#include <vector>

namespace VOXA {

// Element type codes; they equal the OpenGL data-type enumerants so that a
// buffer can be handed to GL without translation. The unsigned types are
// exactly the codes with the lowest bit set.
constexpr unsigned int kTypeChar = 0x1400;          // GL_BYTE
constexpr unsigned int kTypeUnsignedChar = 0x1401;  // GL_UNSIGNED_BYTE
constexpr unsigned int kTypeShort = 0x1402;         // GL_SHORT
constexpr unsigned int kTypeUnsignedShort = 0x1403; // GL_UNSIGNED_SHORT
constexpr unsigned int kTypeInt = 0x1404;           // GL_INT
constexpr unsigned int kTypeUnsignedInt = 0x1405;   // GL_UNSIGNED_INT
constexpr unsigned int kTypeFloat = 0x1406;         // GL_FLOAT
constexpr unsigned int kTypeDouble = 0x140A;        // GL_DOUBLE

// Largest element buffer any image may hold. It bounds what a hostile file
// header can make us allocate; 16384 x 16384 RGBA bytes fit exactly.
constexpr std::size_t kMaxImageBytes = std::size_t(1) << 30;

// True for the four unsigned type codes.
inline bool isUnsignedType(unsigned int typeCode) { return (typeCode & 1u) != 0; }

// Bytes per element of a type code; 0 for an unknown code.
std::size_t typeSize(unsigned int typeCode);

// Smallest power of two >= n (n >= 1); 0 when that would not fit an int.
int nextPowerOfTwo(int n);

class Image {
public:
    Image();
    virtual ~Image();
    Image(const Image &) = delete;
    Image &operator=(const Image &) = delete;

    // --- The 36 virtual operations, in slot order (slot 0 is the
    // destructor above). Values cross this interface as float and are
    // converted to the element type by truncation, saturating at its range.

    virtual int hook(int value);
    // 0 on success, 1 when the file cannot be opened (or is not a regular
    // file), 2 when it holds fewer values than the image (the values it
    // holds are read, the rest of the buffer is zeroed).
    virtual int readRaw(const char *path) = 0;
    // Uses `data` as the element buffer without taking ownership: it is
    // never freed here, and the next init() replaces it by a buffer of our
    // own. The caller guarantees it holds getImageSize() elements.
    virtual int setData(void *data) = 0;
    virtual int writeRaw(const char *path) const = 0;
    // 0 on success; -1 (image left empty, message on stdout) when a size is
    // negative, the buffer would exceed kMaxImageBytes or allocation fails.
    virtual int init(int x, int y, int z, int t, int channels) = 0;
    virtual void clear() = 0;
    virtual void freeData() = 0;
    // Averages blocks of fx * fy * fz grid points (factors < 1 count as 1).
    virtual void downsample(int fx, int fy, int fz) = 0;
    // 0 keeps the axes; 1 (coronal) makes z the new y and y the new z;
    // 2 (sagittal) makes y the new x, z the new y and x the new z. Modes 1
    // and 2 mirror the new y so that the old z axis points up on screen.
    virtual void reslice(int mode) = 0;
    virtual void scaleToPowerOfTwo() = 0;
    virtual void invert() = 0;
    virtual void applyWindowLevel(bool invert) = 0;
    virtual bool nextValue(float &value) = 0;
    virtual bool putNext(float value) = 0;
    virtual void setCurrent(float value) = 0;
    // Out-of-range coordinates are ignored by the setter and read as 0.
    virtual void setValue(float value, int x, int y, int z, int t, int c) = 0;
    virtual void getPixel(float *out, float x, float y, float z) const = 0;
    virtual float getValue(float x, float y, float z) const = 0;
    virtual float getValue(int x, int y, int z, int t, int c) const = 0;
    // Interpolation in frame 0; positions outside the grid and the
    // neighbourhood points beyond the border are clamped to the edge.
    virtual void sampleLinear(float *out, float x, float y, float z) const = 0;
    virtual float sampleLinear(float x, float y, float z) const = 0;
    virtual void sampleCubic(float *out, float x, float y, float z) const = 0;
    virtual float sampleCubic(float x, float y, float z) const = 0;
    virtual void computeRange() = 0;
    virtual void swapByteOrder() = 0;
    virtual void flip(bool x, bool y, bool z, bool t) = 0;
    // The processing operations return a new image (owned by the caller)
    // of the requested type (0: this image's type), or null after printing
    // why they refuse. `result`, when given, must have that type and not be
    // this image; it is re-initialised, filled and returned instead of a
    // new image.
    virtual Image *filter(unsigned int typeCode, const float *kernel, int windowSize,
                          Image *result = nullptr) const = 0;
    virtual void mirrorBorder(int width) = 0;
    // Central differences of channel 0 per slice: channels d/dx, d/dy in
    // grid units. With `border` the outermost ring stays 0, otherwise it
    // gets one-sided differences.
    virtual Image *gradient2D(unsigned int typeCode, bool border) const = 0;
    // Second derivatives of channel 0 per slice: channels dxx, dxy, dyy.
    virtual Image *hessian(unsigned int typeCode) const = 0;
    // Channels d/dx, d/dy, d/dz of channel 0, one-sided at the border.
    virtual Image *gradient3D(unsigned int typeCode) const = 0;
    // Window mapping (v - lower) * max / (upper - lower), clamped to
    // [0, max]. A null buffer is allocated with new[] (the caller frees it
    // with delete[]); a given one must hold bufferSize(powerOfTwo) values.
    // Padding (x, y, z to powers of two) is zero.
    virtual unsigned char *toBytes(unsigned char *buffer, bool powerOfTwo) const = 0;
    virtual unsigned short *toWords(unsigned short *buffer, bool powerOfTwo) const = 0;
    // One z-slice of frame `frame`; null when slice or frame are outside.
    virtual unsigned char *sliceToBytes(unsigned char *buffer, int slice, int frame,
                                        bool powerOfTwo) const = 0;
    // out[0..2]: centre in grid units, weights max(0, v - lower(0)) of
    // channel 0 over all frames; the grid centre when every weight is 0.
    virtual void centreOfMass(float *out) const = 0;

    // --- Non-virtual state access.
    int getDim(int i) const { return (i >= 0 && i < 4) ? m_dim[i] : 0; }
    float getSpacing(int i) const { return (i >= 0 && i < 4) ? m_spacing[i] : 0.0f; }
    int getChannels() const { return m_channels; }
    unsigned int getType() const { return m_type; }
    void *getData() { return m_buffer; }
    const void *getData() const { return m_buffer; }
    int getStride() const { return m_stride; }
    int getSliceSize() const { return m_slice_size; }
    int getFrameSize() const { return m_frame_size; }
    int getImageSize() const { return m_image_size; }
    int getPos() const { return m_pos; }
    void setPos(int pos) { m_pos = pos; }
    int getVerbose() const { return m_verbose; }
    void setVerbose(int verbose) { m_verbose = verbose; }

    void setSpacing(float x, float y, float z, float t);
    // Both ignore a channel outside [0, channels).
    void setRange(float lower, float upper, int channel);
    void setWindowLevel(float window, float level, int channel);
    // 0 for a channel outside [0, channels).
    float getWindow(int channel) const { return channelInfo(channel, 0); }
    float getLevel(int channel) const { return channelInfo(channel, 1); }
    float getLower(int channel) const { return channelInfo(channel, 2); }
    float getUpper(int channel) const { return channelInfo(channel, 3); }

    // Values written by toBytes/toWords for the current sizes.
    std::size_t bufferSize(bool powerOfTwo) const;

protected:
    // Stores the sizes and derived strides; false (nothing changed) when a
    // size is negative or the buffer would exceed kMaxImageBytes.
    bool setGeometry(int x, int y, int z, int t, int channels, std::size_t elementSize);
    void resetGeometry();
    void zeroChannelInfo();
    float channelInfo(int channel, int slot) const;
    void setBufferView(void *buffer) { m_buffer = buffer; }

    int m_dim[4];
    float m_spacing[4];
    int m_channels;
    // Four floats per channel: window, level, lower, upper.
    std::vector<float> m_channelInfo;
    int m_verbose;
    int m_stride;
    int m_slice_size;
    int m_frame_size;
    int m_image_size;
    int m_pos;
    unsigned int m_type;

private:
    void *m_buffer; // untyped view of ImageBase<T>::m_data
};

// A new empty image of the element type `typeCode`; null for an unknown code.
Image *createImage(unsigned int typeCode);

} // namespace VOXA
