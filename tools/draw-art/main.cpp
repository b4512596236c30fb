// draw-art: draws the pictures the program ships in data/.
//
//   draw-art DATA_DIR           writes DATA_DIR/imgDon.png (1113 x 1026, RGB) and
//                               DATA_DIR/icons/hicolor/NxN/apps/io.github.lampen_glimmrix.png
//   draw-art --check DATA_DIR   draws them again and compares with the files in DATA_DIR;
//                               exit status 1 names every file that is missing or stale
//
// Everything is drawn from fixed shapes with QPainter; no fonts, no randomness, so the same Qt
// gives the same pixels on every run. The scalable icon data/icons/io.github.lampen_glimmrix.svg is
// written by hand with the same shapes as AppIcon.cpp.
#include "AppIcon.h"
#include "ImageCompare.h"
#include "RoomPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

struct Artwork {
    QString relativePath;
    QImage image;
};

std::vector<Artwork> drawAllArt() {
    std::vector<Artwork> art;
    art.push_back({QStringLiteral("imgDon.png"), drawRoomPicture()});
    for (const int size : appIconSizes) {
        art.push_back(
            {QStringLiteral("icons/hicolor/%1x%1/apps/io.github.lampen_glimmrix.png").arg(size),
             drawAppIcon(size)});
    }
    return art;
}

void printLine(const QString& text, std::FILE* stream) {
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

// Writes beside the target and renames, so a failed run leaves the old file whole.
bool writePng(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        printLine(QStringLiteral("draw-art: cannot create the folder of %1").arg(path), stderr);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        printLine(QStringLiteral("draw-art: cannot write %1: %2").arg(path, file.errorString()),
                  stderr);
        return false;
    }
    printLine(QStringLiteral("wrote %1 (%2 x %3)").arg(path).arg(image.width()).arg(image.height()),
              stdout);
    return true;
}

int writeAll(const QDir& dataDir) {
    int failures = 0;
    for (const Artwork& art : drawAllArt()) {
        failures += writePng(art.image, dataDir.filePath(art.relativePath)) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

// Differences up to this much per channel are rounding, not a changed drawing.
constexpr int channelTolerance = 3;

bool checkOne(const Artwork& art, const QDir& dataDir) {
    const QString path = dataDir.filePath(art.relativePath);
    const QImage stored(path);
    if (stored.isNull()) {
        printLine(QStringLiteral("%1: missing or not a readable PNG").arg(path), stderr);
        return false;
    }
    const ImageDifference diff = compareImages(stored, art.image, channelTolerance);
    if (!diff.sameSize) {
        printLine(QStringLiteral("%1: is %2 x %3, the drawing is %4 x %5")
                      .arg(path)
                      .arg(stored.width())
                      .arg(stored.height())
                      .arg(art.image.width())
                      .arg(art.image.height()),
                  stderr);
        return false;
    }
    if (!diff.sameAlpha || diff.differingPixels != 0) {
        printLine(QStringLiteral("%1: stale, %2 pixels differ%3; run draw-art to redraw it")
                      .arg(path)
                      .arg(diff.differingPixels)
                      .arg(diff.sameAlpha ? QString() : QStringLiteral(", alpha channel differs")),
                  stderr);
        return false;
    }
    printLine(QStringLiteral("%1: up to date").arg(path), stdout);
    return true;
}

int checkAll(const QDir& dataDir) {
    int failures = 0;
    for (const Artwork& art : drawAllArt()) {
        failures += checkOne(art, dataDir) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

int usage() {
    std::fputs("usage: draw-art [--check] DATA_DIR\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    const bool check = !args.isEmpty() && args.first() == QStringLiteral("--check");
    if (check) {
        args.removeFirst();
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        return usage();
    }
    const QDir dataDir(args.first());
    if (check && !dataDir.exists()) {
        printLine(QStringLiteral("draw-art: no folder %1").arg(args.first()), stderr);
        return 1;
    }
    return check ? checkAll(dataDir) : writeAll(dataDir);
}
