#include "gui/toolkit/PictureFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSvgGenerator>

namespace porvap {

namespace {

void WriteDrawing(QIODevice& file, const Picture& picture) {
    const QSize size = picture.bitmap.deviceIndependentSize().toSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(picture.resolution);
    svg.setTitle(picture.title);
    picture.paint(svg);
}

}  // namespace

std::vector<std::string> ChartSaveFilters() {
    std::vector<std::string> filters(kPictureFilters.begin(), kPictureFilters.end());
    filters.push_back("All files|*.*");
    return filters;
}

bool SavePicture(const QString& path, const Picture& picture) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (suffix == "svg")
        WriteDrawing(file, picture);
    else if (!picture.bitmap.save(&file, suffix == "png" ? "PNG" : "BMP"))
        return false;
    // A painting that could not start leaves the file empty.
    return file.pos() > 0 && file.commit();
}

}  // namespace porvap
