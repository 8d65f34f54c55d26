#include "shell/programicon.h"

#include <QPixmap>

namespace {

enum Ink : uchar
{
    Black,
    Silver,
    Red,
    Blue,
    Yellow,
    Green
};

// The squares of each grid row, left to right.
constexpr Ink squares[4][4] = {
    {Red, Blue, Yellow, Green},
    {Blue, Yellow, Green, Red},
    {Yellow, Green, Red, Blue},
    {Green, Yellow, Blue, Red},
};

// The black lines of the grid run along these rows and columns.
constexpr int lineRows[] = {3, 10, 17, 24, 31};
constexpr int lineColumns[] = {0, 7, 15, 23, 31};

// Which square (0..3) a coordinate lies in, or -1 on a line.
int bandOf(int coordinate, const int (&lines)[5])
{
    for (int band = 0; band < 4; ++band)
        if (coordinate > lines[band] && coordinate < lines[band + 1])
            return band;
    return -1;
}

} // namespace

QImage ProgramIconImage()
{
    // The standard 16-colour palette; the picture uses six of its colours.
    const QList<QRgb> palette = {
        qRgb(0x00, 0x00, 0x00), qRgb(0xC0, 0xC0, 0xC0), qRgb(0xFF, 0x00, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0xFF, 0x00), qRgb(0x00, 0xFF, 0x00),
        qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
        qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80),
        qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF)};
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            Ink ink = Silver;
            if (y >= lineRows[0]) {
                const int row = bandOf(y, lineRows);
                const int column = bandOf(x, lineColumns);
                ink = row < 0 || column < 0 ? Black : squares[row][column];
            }
            image.setPixel(x, y, ink);
        }
    }
    return image;
}

QIcon ProgramIcon()
{
    return QIcon(QPixmap::fromImage(ProgramIconImage()));
}
