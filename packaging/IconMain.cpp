// Writes the application's icon in the sizes desktops look for, as
// FOLDER/corvane-SIZE.png, from the same picture the windows show.

#include "app/Corvane.xpm"

#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane_icons FOLDER\n");
        return 2;
    }
    const QImage picture(Corvane_xpm);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        // Whole multiples keep the drawing's hard edges; other sizes are
        // filtered so that no pixel row is lost.
        const Qt::TransformationMode mode =
            size % picture.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QString file = QString("%1/corvane-%2.png").arg(argv[1]).arg(size);
        if (!picture.scaled(size, size, Qt::IgnoreAspectRatio, mode).save(file, "PNG")) {
            std::fprintf(stderr, "corvane_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
