// Writes the program icon for the desktop's icon theme: the 32 x 32 picture,
// whole multiples of it enlarged pixel by pixel, and the sizes menus and
// panels use (16, 22, 24, 48) redrawn from it with one-pixel grid lines and
// squares of whole pixels, so that the squares stay crisp at every size.
//   writeicons OUTPUT-DIRECTORY
// writes OUTPUT-DIRECTORY/<size>x<size>/apps/tintwright.png

#include "shell/programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdio>

namespace {

// For each coordinate of a picture `size` pixels across, the coordinate of
// the 32 x 32 picture it shows. `lines` are the five black grid lines along
// that axis in the 32 x 32 picture; below `size` they become one pixel wide
// and the squares between them share out the rest. What lies before the
// first line (the silver band on top) shrinks or grows in proportion.
std::array<int, 256> sourceOf(int size, const std::array<int, 5> &lines)
{
    const int first = lines[0] * size / 32;
    std::array<int, 5> target{};
    for (int k = 0; k < 5; ++k)
        target[k] = first + k * (size - 1 - first) / 4;
    std::array<int, 256> source{};
    for (int c = 0; c < size; ++c) {
        source[c] = 0; // the band
        for (int k = 0; k < 5; ++k) {
            if (c == target[k])
                source[c] = lines[k];
            else if (c > target[k])
                source[c] = lines[k] + 1; // inside the square after line k
        }
    }
    return source;
}

QImage redrawn(const QImage &icon, int size)
{
    const auto rows = sourceOf(size, {3, 10, 17, 24, 31});
    const auto columns = sourceOf(size, {0, 7, 15, 23, 31});
    QImage image(size, size, icon.format());
    image.setColorTable(icon.colorTable());
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, icon.pixelIndex(columns[x], rows[y]));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: writeicons OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QImage icon = ProgramIconImage();
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder)) {
            std::fprintf(stderr, "writeicons: cannot create %s\n", qPrintable(folder));
            return 1;
        }
        const QImage scaled =
            size % 32 == 0 ? icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           : redrawn(icon, size);
        const QString file = output.filePath(folder + QStringLiteral("/tintwright.png"));
        if (!scaled.save(file)) {
            std::fprintf(stderr, "writeicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
