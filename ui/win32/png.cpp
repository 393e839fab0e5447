#include "png.h"

#include <climits>

// PNG only, from memory only, with no error texts.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

namespace win32 {

bool decodePng(const void *bytes, std::size_t size, Picture &out)
{
    if (size > INT_MAX)
        return false;
    int width = 0, height = 0, channels = 0;
    stbi_uc *rgba = stbi_load_from_memory(static_cast<const stbi_uc *>(bytes), static_cast<int>(size), &width,
                                          &height, &channels, 4);
    if (!rgba)
        return false;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    const stbi_uc *from = rgba;
    for (std::uint32_t &pixel : out.pixels) {
        pixel = std::uint32_t(from[3]) << 24 | std::uint32_t(from[0]) << 16 | std::uint32_t(from[1]) << 8 | from[2];
        from += 4;
    }
    stbi_image_free(rgba);
    return true;
}

} // namespace win32
