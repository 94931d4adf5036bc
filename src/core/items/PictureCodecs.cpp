#include "items/PictureCodecs.h"

#include "util/Fs.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

namespace qv {

namespace {

std::uint32_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8);
}

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return le16(b, at) | (le16(b, at + 2) << 16);
}

bool sizeAcceptable(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= 65535 && height <= 65535 &&
           width * height <= PictureCodecs::kMaxPixels;
}

// The value of one channel given by a bit mask, scaled to 0..255.
std::uint8_t maskedChannel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const std::uint32_t max = mask >> shift;
    const std::uint32_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(value * 255u / max);
}

// libjpeg reports fatal errors through error_exit, which by default ends
// the process; ours returns to the caller's setjmp instead.
struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void jpegSilent(j_common_ptr) {}

// Kept free of objects with destructors between setjmp and longjmp: the
// buffers live in the caller's frame.
bool decodeJpeg(const unsigned char* data, unsigned long size, RgbImage& image)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.output_message = jpegSilent;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    if (!sizeAcceptable(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    image.rgb.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.rgb.data() + static_cast<std::size_t>(cinfo.output_scanline) * image.width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    // A cut file still decodes, its missing part grey; it is damaged all the same.
    const bool cut = err.mgr.num_warnings > 0 && err.mgr.msg_code == JWRN_JPEG_EOF;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return !cut;
}

bool encodeJpegInto(const RgbImage& image, int quality, unsigned char** out, unsigned long* outSize)
{
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.output_message = jpegSilent;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    // Baseline: 8-bit quantisation tables, sequential, no progressive scans.
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.rgb.data() + static_cast<std::size_t>(cinfo.next_scanline) * image.width * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

std::optional<RgbImage> PictureCodecs::readBmp(std::string_view b)
{
    if (b.size() < 26 || b.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint32_t pixelOffset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t paletteCount = 0;
    std::size_t paletteEntry = 4;
    if (headerSize == 12) {  // the old OS/2 header
        width = le16(b, 18);
        height = static_cast<std::int16_t>(le16(b, 20));
        bits = le16(b, 24);
        paletteEntry = 3;
    } else if (headerSize >= 40 && b.size() >= 14 + 40) {
        width = static_cast<std::int32_t>(le32(b, 18));
        height = static_cast<std::int32_t>(le32(b, 22));
        bits = le16(b, 28);
        compression = le32(b, 30);
        paletteCount = le32(b, 46);
    } else {
        return std::nullopt;
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (!sizeAcceptable(width, height) || le16(b, 26) != 1)
        return std::nullopt;
    constexpr std::uint32_t kRgb = 0;
    constexpr std::uint32_t kBitFields = 3;
    std::uint32_t masks[3] = {0, 0, 0};
    if (compression == kBitFields && (bits == 16 || bits == 32)) {
        // The masks follow a 40-byte header, or sit inside a larger one.
        const std::size_t at = 14 + 40;
        if (b.size() < at + 12)
            return std::nullopt;
        masks[0] = le32(b, at);
        masks[1] = le32(b, at + 4);
        masks[2] = le32(b, at + 8);
    } else if (compression != kRgb) {
        return std::nullopt;  // run-length and embedded formats are not read
    } else if (bits == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bits == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }
    std::vector<std::uint8_t> palette;  // RGB triples
    if (bits <= 8) {
        if (bits != 1 && bits != 4 && bits != 8)
            return std::nullopt;
        const std::uint32_t maxColours = 1u << bits;
        const std::uint32_t colours = paletteCount == 0 || paletteCount > maxColours ? maxColours : paletteCount;
        const std::size_t at = 14 + headerSize;
        if (at + static_cast<std::size_t>(colours) * paletteEntry > b.size())
            return std::nullopt;
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t e = at + i * paletteEntry;
            palette.push_back(static_cast<std::uint8_t>(b[e + 2]));
            palette.push_back(static_cast<std::uint8_t>(b[e + 1]));
            palette.push_back(static_cast<std::uint8_t>(b[e]));
        }
    } else if (bits != 16 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (pixelOffset > b.size() || rowBytes * static_cast<std::size_t>(height) > b.size() - pixelOffset)
        return std::nullopt;

    RgbImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::size_t fileRow = static_cast<std::size_t>(topDown ? y : height - 1 - y);
        const auto* src = reinterpret_cast<const std::uint8_t*>(b.data()) + pixelOffset + fileRow * rowBytes;
        std::uint8_t* dst = image.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
        for (std::int64_t x = 0; x < width; ++x, dst += 3) {
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const std::uint8_t byte = src[bit / 8];
                const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                const std::size_t colours = palette.size() / 3;
                const std::size_t i = index < colours ? index : 0;  // a damaged index shows the first colour
                std::memcpy(dst, palette.data() + i * 3, 3);
            } else if (bits == 24) {
                dst[0] = src[x * 3 + 2];
                dst[1] = src[x * 3 + 1];
                dst[2] = src[x * 3];
            } else {
                const std::uint32_t pixel = bits == 16 ? le16({reinterpret_cast<const char*>(src), rowBytes}, x * 2)
                                                       : le32({reinterpret_cast<const char*>(src), rowBytes}, x * 4);
                dst[0] = maskedChannel(pixel, masks[0]);
                dst[1] = maskedChannel(pixel, masks[1]);
                dst[2] = maskedChannel(pixel, masks[2]);
            }
        }
    }
    return image;
}

std::optional<RgbImage> PictureCodecs::readJpeg(std::string_view bytes)
{
    if (bytes.size() < 4 || static_cast<std::uint8_t>(bytes[0]) != 0xFF || static_cast<std::uint8_t>(bytes[1]) != 0xD8)
        return std::nullopt;
    RgbImage image;
    if (!decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()), image))
        return std::nullopt;
    return image;
}

std::optional<RgbImage> PictureCodecs::readPng(std::string_view bytes)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return std::nullopt;
    png.format = PNG_FORMAT_RGB;
    if (!sizeAcceptable(png.width, png.height)) {
        png_image_free(&png);
        return std::nullopt;
    }
    RgbImage image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    // Transparent parts are laid on white, as a picture box shows them.
    png_color background{255, 255, 255};
    if (!png_image_finish_read(&png, &background, image.rgb.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

std::optional<RgbImage> PictureCodecs::readPicture(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "BM")
        return readBmp(bytes);
    if (bytes.size() >= 2 && static_cast<std::uint8_t>(bytes[0]) == 0xFF && static_cast<std::uint8_t>(bytes[1]) == 0xD8)
        return readJpeg(bytes);
    if (bytes.substr(0, 8) == "\x89PNG\r\n\x1a\n")
        return readPng(bytes);
    return std::nullopt;
}

std::optional<RgbImage> PictureCodecs::readPictureFile(const std::filesystem::path& file)
{
    const auto bytes = readFileBytes(file);
    if (!bytes)
        return std::nullopt;
    return readPicture(*bytes);
}

std::string PictureCodecs::encodeJpeg(const RgbImage& image, int quality)
{
    if (!sizeAcceptable(image.width, image.height) ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return {};
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const bool ok = encodeJpegInto(image, quality, &out, &size);
    std::string bytes;
    if (ok && out)
        bytes.assign(reinterpret_cast<const char*>(out), size);
    std::free(out);
    return bytes;
}

}  // namespace qv
