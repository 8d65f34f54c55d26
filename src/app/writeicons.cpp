// Writes the program icon for the desktop's icon theme: the 32 x 32 picture
// and larger sizes enlarged pixel by pixel, so that the squares stay crisp.
//   writeicons OUTPUT-DIRECTORY
// writes OUTPUT-DIRECTORY/<size>x<size>/apps/tintwright.png

#include "programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: writeicons OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QImage icon = ProgramIconImage();
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (const int size : {32, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder)) {
            std::fprintf(stderr, "writeicons: cannot create %s\n", qPrintable(folder));
            return 1;
        }
        const QImage scaled =
            icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString file = output.filePath(folder + QStringLiteral("/tintwright.png"));
        if (!scaled.save(file)) {
            std::fprintf(stderr, "writeicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
