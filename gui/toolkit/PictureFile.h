#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QString>

class QPaintDevice;

namespace porvap {

// Save dialog entries of the picture formats; the bitmap, which a name of any other
// extension also gets, comes first.
inline constexpr std::array<const char*, 3> kPictureFilters = {"Bitmaps|*.bmp", "PNG images|*.png",
                                                               "SVG drawings|*.svg"};

// The filters of a chart window's save dialog: the picture formats, then every file.
std::vector<std::string> ChartSaveFilters();

// A chart as its files take it: the bitmap as it is shown, and the painting that made it,
// done again on a vector canvas of the bitmap's size so that the drawing stays vector.
struct Picture {
    QImage bitmap;
    QString title;        // of the drawing
    int resolution = 96;  // dots per inch the drawing's text is sized for
    std::function<void(QPaintDevice&)> paint;
};

// An SVG drawing or a PNG image by the file name's extension, in any case; a BMP image
// otherwise. False when the file cannot be fully written: a file already at the path is
// then left as it was.
bool SavePicture(const QString& path, const Picture& picture);

}  // namespace porvap
