#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace porvap {

// The program's picture: a three-layer wall in cross-section, outside on the left, with a
// temperature profile (red) and a moisture profile (blue) drawn across it.
QPixmap WallPicture(QSize size);

// The same picture, square, at the sizes window decorations ask for.
QIcon ApplicationIcon();

}  // namespace porvap
