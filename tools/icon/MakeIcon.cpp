// porvap-icon: draws the program's artwork into an icon theme tree,
// DIR/<side>x<side>/apps/porvap.png, one picture per side given.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include "gui/main/Artwork.h"

namespace {

bool WriteIcon(const QDir& theme, const QString& sideText) {
    bool isNumber = false;
    const int side = sideText.toInt(&isNumber);
    if (!isNumber || side <= 0 || side > 1024) {
        std::fprintf(stderr, "porvap-icon: not a side in pixels: %s\n", qPrintable(sideText));
        return false;
    }
    const QString sizeDir = QString("%1x%1/apps").arg(side);
    const QString file = theme.filePath(sizeDir + "/porvap.png");
    if (!theme.mkpath(sizeDir) || !porvap::WallPicture(QSize(side, side)).save(file, "PNG")) {
        std::fprintf(stderr, "porvap-icon: could not write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("Usage: porvap-icon DIR SIDE...\n", stderr);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int k = 2; k < argc; ++k) {
        if (!WriteIcon(theme, QString::fromLocal8Bit(argv[k])))
            return 1;
    }
    return 0;
}
