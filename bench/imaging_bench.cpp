// Imaging benchmark (not a test): the thumbnail path of the site generator
// on large photographs. For each JPEG named on the command line it times
//   decode at full scale, decode at the reduced DCT scale for a 150 x 150
//   box, nearest-pixel resampling into the box (from both), flattening and
//   JPEG encoding of the thumbnail, and JPEG encoding at full size,
// and prints milliseconds per source megapixel for each stage (best of
// several runs), then the thumbnail throughput on every core.
//
//   imaging_bench [--runs N] PHOTO.jpg...   (bench/make-photos.sh makes some)
#include "bench/BestTime.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace pictavo;
using bench::bestMs;
using Clock = std::chrono::steady_clock;

constexpr int kBox = 150;

std::vector<std::uint8_t> readFile(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

// The size that fits width x height into the box, keeping the aspect.
void fitIntoBox(int width, int height, int& outWidth, int& outHeight) {
    const double scale = std::min(double(kBox) / width, double(kBox) / height);
    outWidth = std::max(1, int(width * scale));
    outHeight = std::max(1, int(height * scale));
}

// The generator's thumbnail path: reduced decode, resample, flatten, encode.
bool makeThumbnail(const std::vector<std::uint8_t>& jpeg, std::vector<std::uint8_t>& out) {
    RasterImage image;
    if (!decodeImage(image, jpeg, kImageJpeg, {kBox, kBox}))
        return false;
    int width = 0;
    int height = 0;
    fitIntoBox(image.width(), image.height(), width, height);
    if (!image.resample(width, height))
        return false;
    RasterImage flat = FlattenToRgb(image);
    out.clear();
    return encodeImage(flat, out, kImageJpeg);
}

void report(const char* stage, double ms, double megapixels) {
    std::printf("  %-34s %9.2f ms  %7.2f ms/MP\n", stage, ms, ms / megapixels);
}

int benchPhoto(const char* path, int runs) {
    const std::vector<std::uint8_t> jpeg = readFile(path);
    RasterImage full;
    if (jpeg.empty() || !decodeImage(full, jpeg, kImageJpeg)) {
        std::fprintf(stderr, "cannot decode %s\n", path);
        return 1;
    }
    const double mp = double(full.width()) * full.height() / 1e6;
    std::printf("%s: %d x %d (%.1f MP, %.1f MB)\n", path, full.width(), full.height(), mp,
                double(jpeg.size()) / 1e6);

    RasterImage reduced;
    report("decode, full scale", bestMs(runs, [&] { decodeImage(full, jpeg, kImageJpeg); }), mp);
    report("decode, reduced for 150 x 150",
           bestMs(runs,
                  [&] {
                      decodeImage(reduced, jpeg, kImageJpeg, {kBox, kBox});
                  }),
           mp);
    std::printf("    (reduced decode gives %d x %d)\n", reduced.width(), reduced.height());
    int width = 0;
    int height = 0;
    fitIntoBox(full.width(), full.height(), width, height);
    RasterImage thumbnail;
    report("resample full -> box",
           bestMs(runs, [&] { full.resample(width, height, 1, &thumbnail); }), mp);
    report("resample reduced -> box",
           bestMs(runs, [&] { reduced.resample(width, height, 1, &thumbnail); }), mp);
    std::vector<std::uint8_t> out;
    report("flatten + encode thumbnail",
           bestMs(runs,
                  [&] {
                      out.clear();
                      RasterImage flat = FlattenToRgb(thumbnail);
                      encodeImage(flat, out, kImageJpeg);
                  }),
           mp);
    report("encode full size (quality 75)",
           bestMs(runs,
                  [&] {
                      out.clear();
                      encodeImage(full, out, kImageJpeg);
                  }),
           mp);
    report("thumbnail path, one core", bestMs(runs, [&] { makeThumbnail(jpeg, out); }), mp);
    return 0;
}

// Thumbnails of every photo, repeated, spread over all cores.
void benchParallel(const std::vector<const char*>& paths, int runs) {
    std::vector<std::vector<std::uint8_t>> photos;
    for (const char* path : paths)
        photos.push_back(readFile(path));
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t jobs = photos.size() * std::size_t(std::max(runs, 1)) * threads;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    const auto start = Clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            std::vector<std::uint8_t> out;
            for (std::size_t job = next++; job < jobs; job = next++) {
                if (!makeThumbnail(photos[job % photos.size()], out))
                    failed = true;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("thumbnails on %u threads: %zu in %.2f s = %.1f per second%s\n", threads, jobs,
                seconds, double(jobs) / seconds, failed ? " (SOME FAILED)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    std::vector<const char*> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            paths.push_back(argv[i]);
        }
    }
    if (paths.empty()) {
        std::fprintf(stderr,
                     "usage: imaging_bench [--runs N] PHOTO.jpg...  (see bench/make-photos.sh)\n");
        return 2;
    }
    int status = 0;
    for (const char* path : paths)
        status |= benchPhoto(path, runs);
    benchParallel(paths, runs);
    return status;
}
