#include "platform/images/PngIo.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <png.h>

namespace {

void writeToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

PixelBufferPtr decode(const void* data, std::size_t size, const std::string& what)
{
    if (size < 8 || png_sig_cmp(static_cast<png_const_bytep>(data), 0, 8) != 0)
        throw std::runtime_error(what + ": not a PNG image");
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size))
        throw std::runtime_error(what + ": " + image.message);
    // BGRA in memory is our pixel layout.
    image.format = PNG_FORMAT_BGRA;
    if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        throw std::runtime_error(what + ": unsupported image size");
    }
    auto pixels = std::make_shared<PixelBuffer>(int(image.width), int(image.height));
    if (!png_image_finish_read(&image, nullptr, pixels->memory(), int(image.width) * 4, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        throw std::runtime_error(what + ": " + message);
    }
    return pixels;
}

} // namespace

PixelBufferPtr ReadPngFromMemory(const void* data, std::size_t size)
{
    return decode(data, size, "PNG data");
}

PixelBufferPtr ReadPng(const std::string& path)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        throw std::runtime_error(path + ": cannot open: " + std::strerror(errno));
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    if (std::ferror(file.get()))
        throw std::runtime_error(path + ": read error");
    return decode(bytes.data(), bytes.size(), path);
}

std::vector<unsigned char> EncodePng(const PixelBuffer& pixels, bool opaque)
{
    std::vector<unsigned char> out;
    if (pixels.empty())
        throw std::runtime_error("cannot write an empty image as PNG");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("out of memory writing PNG");
    }
    std::vector<unsigned char> row(std::size_t(pixels.width()) * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed");
    }
    png_set_write_fn(png, &out, writeToVector, flushNothing);
    png_set_IHDR(png, info, png_uint_32(pixels.width()), png_uint_32(pixels.height()), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    for (int y = 0; y < pixels.height(); ++y) {
        const Pixel* src = pixels.row(y);
        unsigned char* d = row.data();
        for (int x = 0; x < pixels.width(); ++x) {
            Pixel p = src[x];
            *d++ = (unsigned char)(p >> 16);
            *d++ = (unsigned char)(p >> 8);
            *d++ = (unsigned char)p;
            if (!opaque)
                *d++ = (unsigned char)(p >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

void WritePng(const PixelBuffer& pixels, const std::string& path, bool opaque)
{
    std::vector<unsigned char> bytes = EncodePng(pixels, opaque);
    std::string temporary = path + ".tmp";
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(temporary.c_str(), "wb"), std::fclose);
    if (!file)
        throw std::runtime_error(path + ": cannot create: " + std::strerror(errno));
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() || std::fflush(file.get()) != 0)
        throw std::runtime_error(path + ": write error");
    file.reset();
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error(path + ": cannot replace: " + std::strerror(errno));
}
