#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace fw {

// The picture the viewer draws into: 0xAARRGGBB pixels row by row, the layout of a 32-bit
// QImage, so a window shows it without conversion.
class FrameBuffer {
public:
    static constexpr int MAX_SIDE = 16384;

    void Resize(int width, int height) {
        width_ = std::clamp(width, 1, MAX_SIDE);
        height_ = std::clamp(height, 1, MAX_SIDE);
        pixels_.assign(size_t(width_) * height_, 0xFF000000u);
    }
    void Fill(uint32_t argb) { std::fill(pixels_.begin(), pixels_.end(), argb); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t* Row(int y) { return pixels_.data() + size_t(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + size_t(y) * width_; }
    uint32_t At(int x, int y) const { return Row(y)[x]; }
    const uint32_t* Data() const { return pixels_.data(); }

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace fw
