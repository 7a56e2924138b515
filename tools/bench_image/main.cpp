// Throughput of the BMP and MetaImage readers beside a plain fread of the
// same file into a fresh buffer (the floor any reader must pay).
//   bench_image [--benchmark_repetitions=N ...]
#include <imagebase>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr int kBmpSide = 1024;
constexpr int kVolumeSide = 256;
constexpr int kVolumeSlices = 64;

// The input files, written once into a private temporary directory.
struct Files {
    std::string dir, bmp, mhd, raw;

    Files()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-image-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        dir = pattern;
        bmp = dir + "/picture.bmp";
        mhd = dir + "/volume.mhd";
        raw = dir + "/volume.raw";

        VOXA::Bitmap picture;
        picture.create(kBmpSide, kBmpSide, 3);
        for (int i = 0; i < picture.getImageSize(); ++i)
            picture.getTypedData()[i] = static_cast<unsigned char>(i * 7);
        VOXA::ImageBase<short> volume;
        volume.init(kVolumeSide, kVolumeSide, kVolumeSlices, 1, 1);
        for (int i = 0; i < volume.getImageSize(); ++i)
            volume.getTypedData()[i] = static_cast<short>(i * 3);
        if (picture.write(bmp.c_str()) != 1 ||
            VOXA::writeMetaImage((dir + "/volume").c_str(), &volume) != 0)
            std::abort();
    }
    ~Files() { std::filesystem::remove_all(dir); }
};

const Files &files()
{
    static const Files instance;
    return instance;
}

std::size_t fileSize(const std::string &path)
{
    return std::size_t(std::filesystem::file_size(path));
}

void plainRead(benchmark::State &state, const std::string &path)
{
    const std::size_t size = fileSize(path);
    for (auto _ : state) {
        std::unique_ptr<unsigned char[]> buffer(new unsigned char[size]);
        std::FILE *file = std::fopen(path.c_str(), "rb");
        if (file == nullptr || std::fread(buffer.get(), 1, size, file) != size)
            state.SkipWithError("plain read failed");
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void BM_PlainReadBmp(benchmark::State &state) { plainRead(state, files().bmp); }

void BM_BitmapRead(benchmark::State &state)
{
    for (auto _ : state) {
        VOXA::Bitmap picture;
        if (picture.read(files().bmp.c_str(), 1) != 1)
            state.SkipWithError("bitmap read failed");
        benchmark::DoNotOptimize(picture.getTypedData());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(fileSize(files().bmp)));
}

void BM_PlainReadRaw(benchmark::State &state) { plainRead(state, files().raw); }

void BM_MetaImageRead(benchmark::State &state)
{
    // The loader's reports are formatted but not shown.
    std::streambuf *saved = std::cout.rdbuf(nullptr);
    for (auto _ : state) {
        std::unique_ptr<VOXA::Image> volume(VOXA::loadMetaImage(files().mhd.c_str()));
        std::cout.clear();
        if (!volume)
            state.SkipWithError("MetaImage read failed");
        benchmark::DoNotOptimize(volume.get());
    }
    std::cout.rdbuf(saved);
    std::cout.clear();
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(fileSize(files().raw)));
}

} // namespace

BENCHMARK(BM_PlainReadBmp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BitmapRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainReadRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MetaImageRead)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
