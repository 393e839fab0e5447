#include "art.h"

#include "png.h"
#include "impl.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <tuple>

namespace win32 {

namespace {

// The PNG resource `name` as 32-bit BGRA pixels; empty if it cannot be read.
// Decoded when first asked for and not kept: it takes less time than making
// a window, and a window keeps only the pixels it draws.
Picture decode(const std::string &name)
{
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const HRSRC resource = FindResourceA(instance(), key.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    const HGLOBAL loaded = resource ? LoadResource(instance(), resource) : nullptr;
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    Picture picture;
    if (bytes)
        decodePng(bytes, SizeofResource(instance(), resource), picture);
    return picture;
}

// Key colour cleared when asked, every pixel premultiplied by its alpha.
void prepare(Picture &picture, bool transparent)
{
    if (picture.pixels.empty())
        return;
    const std::uint32_t key = picture.pixels[static_cast<std::size_t>(picture.height - 1) * picture.width] & 0xFFFFFF;
    for (std::uint32_t &pixel : picture.pixels) {
        const std::uint32_t alpha = pixel >> 24;
        if (transparent && (pixel & 0xFFFFFF) == key) {
            pixel = 0;
        } else if (alpha < 255) {
            auto channel = [&](int shift) { return (((pixel >> shift) & 0xFF) * alpha / 255) << shift; };
            pixel = (alpha << 24) | channel(16) | channel(8) | channel(0);
        }
    }
}

// Each target pixel is the mean of the source pixels it covers, so a
// shrunk emblem keeps its thin lines and its see-through edge stays clean.
Picture scaled(const Picture &source, int width, int height)
{
    Picture out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int y0 = y * source.height / height;
        const int y1 = std::max(y0 + 1, (y + 1) * source.height / height);
        for (int x = 0; x < width; ++x) {
            const int x0 = x * source.width / width;
            const int x1 = std::max(x0 + 1, (x + 1) * source.width / width);
            std::uint32_t sum[4] = {};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t pixel = source.pixels[static_cast<std::size_t>(sy) * source.width + sx];
                    for (int c = 0; c < 4; ++c)
                        sum[c] += (pixel >> (8 * c)) & 0xFF;
                }
            const std::uint32_t count = static_cast<std::uint32_t>((y1 - y0) * (x1 - x0));
            std::uint32_t pixel = 0;
            for (int c = 0; c < 4; ++c)
                pixel |= ((sum[c] + count / 2) / count) << (8 * c);
            out.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    }
    return out;
}

// The art on a screen of more DPI, as Qt draws it there: each pixel becomes
// the block between its scaled edges, copied, never mixed with a neighbour.
// A see-through corner keeps its exact shape and no drawn pixel takes on the
// key colour; at 192 DPI it is plain pixel doubling.
Picture enlarged(const Picture &source, const core::ScreenScale &scale)
{
    Picture out;
    out.width = scale.length(source.width);
    out.height = scale.length(source.height);
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    std::vector<int> columns(static_cast<std::size_t>(out.width));
    for (int x = 0; x < out.width; ++x)
        columns[static_cast<std::size_t>(x)] = scale.sourcePixel(x);
    for (int y = 0; y < out.height; ++y) {
        const std::uint32_t *row = &source.pixels[static_cast<std::size_t>(scale.sourcePixel(y)) * source.width];
        std::uint32_t *line = &out.pixels[static_cast<std::size_t>(y) * out.width];
        for (int x = 0; x < out.width; ++x)
            line[x] = row[columns[static_cast<std::size_t>(x)]];
    }
    return out;
}

void makeBitmap(Picture &picture)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    picture.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture.bitmap)
        std::copy(picture.pixels.begin(), picture.pixels.end(), static_cast<std::uint32_t *>(bits));
}

} // namespace

const Picture *picture(const std::string &name, bool transparent, int width, int height,
                       const core::ScreenScale &scale)
{
    const bool resize = width > 0 && height > 0;
    const int dpi = resize ? core::kBaseDpi : scale.dpi();
    static std::map<std::tuple<std::string, bool, int, int, int>, std::unique_ptr<Picture>> made;
    auto &slot = made[{name, transparent, width, height, dpi}];
    if (slot)
        return slot->width > 0 ? slot.get() : nullptr;
    slot = std::make_unique<Picture>();
    Picture decoded = decode(name);
    if (decoded.pixels.empty())
        return nullptr;
    prepare(decoded, transparent);
    if (resize && (width != decoded.width || height != decoded.height))
        *slot = scaled(decoded, width, height);
    else if (!resize && dpi != core::kBaseDpi)
        *slot = enlarged(decoded, core::ScreenScale(dpi));
    else
        *slot = std::move(decoded);
    makeBitmap(*slot);
    return slot.get();
}

const Picture *controlPicture(const core::ControlLayout &control, const core::ScreenScale &scale)
{
    return control.stretch ? picture(control.picture, control.transparent, control.bounds.width, control.bounds.height)
                           : picture(control.picture, control.transparent, 0, 0, scale);
}

void drawPicture(HDC dc, const Picture &picture, int x, int y)
{
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, picture.bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, picture.width, picture.height, source, 0, 0, picture.width, picture.height, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

HRGN drawnRegion(const Picture &picture, int x, int y)
{
    // One rectangle per run of drawn pixels in a row.
    std::vector<RECT> runs;
    for (int row = 0; row < picture.height; ++row) {
        const std::uint32_t *line = &picture.pixels[static_cast<std::size_t>(row) * picture.width];
        for (int left = 0; left < picture.width;) {
            if ((line[left] >> 24) == 0) {
                ++left;
                continue;
            }
            int right = left;
            while (right < picture.width && (line[right] >> 24) != 0)
                ++right;
            runs.push_back({x + left, y + row, x + right, y + row + 1});
            left = right;
        }
    }
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto *header = reinterpret_cast<RGNDATAHEADER *>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->rcBound = {x, y, x + picture.width, y + picture.height};
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT *>(data.data() + sizeof(RGNDATAHEADER)));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA *>(data.data()));
}

} // namespace win32
