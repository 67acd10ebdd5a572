#include "textures/FlatColour.h"

#include <algorithm>

namespace fw {

int PercentToComponent(int percent) {
    int p = std::clamp(percent, 0, 100);
    int component = 0;
    constexpr int STEPS[5] = {50, 25, 12, 6, 3};
    for (int i = 0; i < 5; ++i) {
        if (p >= STEPS[i]) {
            component |= 1 << (4 - i);
            p -= STEPS[i];
        }
    }
    return component;
}

int ComponentToPercent(int component) {
    constexpr int WEIGHTS[5] = {50, 26, 13, 7, 4};
    int percent = 0;
    for (int i = 0; i < 5; ++i)
        if (component & (1 << (4 - i))) percent += WEIGHTS[i];
    return percent;
}

std::array<int, 3> ColourToPercents(int16_t colour) {
    if (colour < 0) return {0, 0, 0};
    return {ComponentToPercent((colour >> 10) & 31), ComponentToPercent((colour >> 5) & 31),
            ComponentToPercent(colour & 31)};
}

int16_t PercentsToColour(const std::array<int, 3>& percents) {
    return static_cast<int16_t>(PercentToComponent(percents[0]) << 10 |
                                PercentToComponent(percents[1]) << 5 |
                                PercentToComponent(percents[2]));
}

int SampleIntensity(int percent) {
    return std::clamp(percent, 0, 100) * 256 / 101;
}

}  // namespace fw
