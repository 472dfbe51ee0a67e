#pragma once

#include <QRect>
#include <QSize>

namespace spawnsmith {

// Every window is laid out in twips, 1/1440 inch: 15 twips make one device-independent pixel at
// 96 dots per inch. This is the one place where twips become pixels.
constexpr int px(int twips) {
    return (twips * 2 + 15) / 30; // rounded to the nearest pixel
}

// Pixels measured on a widget (a text's width, say) as twips, for layouts that mix the two.
constexpr int twipsOf(int pixels) {
    return pixels * 15;
}

// A place given in twips, in pixels.
constexpr QRect twips(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr QSize twipsSize(int width, int height) {
    return {px(width), px(height)};
}

} // namespace spawnsmith
