// Draws the image sheet and writes it with its ".bak" copy beside it. The
// sheet holds no text, so the tool paints into a QImage without any
// application object or platform plugin.
#include "tsheetpainter.h"

#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sheetgen <output img_res.png>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QImage sheet = TSheetPainter().paint();
    const QString bak = out + QLatin1String(".bak");
    QFile::remove(bak);
    if (!sheet.save(out, "PNG") || !QFile::copy(out, bak)) {
        std::fprintf(stderr, "sheetgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
