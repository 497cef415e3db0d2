#pragma once
// The program's own pictures, drawn for it: gauge dials and instrument motifs.
// Each picture is drawn once on first use and then served from a cache; the
// images are shared (implicitly), so callers may keep or copy them freely.
//
// Bitmaps, by resource number:
//   131  project form picture until a master type picture is set   200 x 150
//   132  master settings and calibration picture                   112 x 104
//   134  splash window                                             480 x 300
//   187  About box                                                  96 x 96
//   363 to 375, 1296  project tree images                           32 x 24
//   1292 browse button face                                         20 x 16
// Icons: 128 the program, 129 a project document (square, any size).
#include <QImage>
#include <QList>

namespace program_pictures {

constexpr int ProjectPicture = 131;
constexpr int MasterSettingsPicture = 132;
constexpr int SplashPicture = 134;
constexpr int AboutPicture = 187;
constexpr int BrowsePicture = 1292;
constexpr int ApplicationIcon = 128;
constexpr int DocumentIcon = 129;

// The numbers of the tree images, in resource order.
QList<int> treePictureIds();

}

// The bitmap with that number; a null image for a number the program has no
// picture for.
QImage programPicture(int id);

// Icon 128 (the program) or 129 (a project document) at size x size pixels;
// a null image for another number or a size below 16 or above 512.
QImage programIconImage(int id, int size);
