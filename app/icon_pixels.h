// The program icon's images as pixels in the program, generated at build time
// from app/icons/tolvo-*.png (app/icon_pixels_generator.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tolvo {

struct IconPixels {
    int side;                             // a square image, side × side
    std::span<const std::uint32_t> argb;  // row by row, 0xAARRGGBB, alpha not premultiplied
};

inline constexpr std::size_t kIconPixelsCount = 3;  // 16, 32 and 48 pixels
extern const std::array<IconPixels, kIconPixelsCount> kIconPixels;

}  // namespace tolvo
