#pragma once
// Draws the project tree's images (used by programPicture's cache).
#include <QImage>

namespace program_pictures {

constexpr int TreePictureWidth = 32;
constexpr int TreePictureHeight = 24;

// The tree image of that number, drawn now; null for another number.
QImage drawTreePicture(int id);

}
