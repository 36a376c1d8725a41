// resgen: draws the pictures that ship in the program's Resources folder.
//
//   resgen <target folder> [--preview <folder>]
//   resgen --spots
//
// Every picture is painted with QPainter and written as an uncompressed
// 24-bit Windows bitmap. The writer is our own so the bytes do not depend
// on the Qt version: same fonts, same output. With --preview each picture
// is also written as PNG, and the plots get a second PNG with the spots
// where the windows lay their letters and input fields. --spots prints
// those spots as Markdown tables.
#include "resgen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

void putLe16(QByteArray& out, int offset, quint16 v)
{
    out[offset] = char(v & 0xff);
    out[offset + 1] = char((v >> 8) & 0xff);
}

void putLe32(QByteArray& out, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out[offset + i] = char((v >> (8 * i)) & 0xff);
}

// BITMAPFILEHEADER + BITMAPINFOHEADER, BI_RGB, 24 bits, bottom-up rows
// padded to four bytes, 72 dpi.
QByteArray encodeBmp24(const QImage& source)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    const int headerBytes = 14 + 40;
    const int dataBytes = rowBytes * h;

    QByteArray out(headerBytes + dataBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    putLe32(out, 2, quint32(headerBytes + dataBytes));
    putLe32(out, 10, quint32(headerBytes));
    putLe32(out, 14, 40);
    putLe32(out, 18, quint32(w));
    putLe32(out, 22, quint32(h));
    putLe16(out, 26, 1);
    putLe16(out, 28, 24);
    putLe32(out, 30, 0);  // BI_RGB
    putLe32(out, 34, quint32(dataBytes));
    putLe32(out, 38, 2835);
    putLe32(out, 42, 2835);

    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - y));
        char* row = out.data() + headerBytes + y * rowBytes;
        for (int x = 0; x < w; ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return out;
}

QImage render(const resgen::Picture& pic)
{
    QImage img(pic.width, pic.height, QImage::Format_RGB32);
    img.fill(pic.background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    pic.draw(p);
    p.end();
    return img;
}

// The preview with the overlay spots: a translucent box and the spot name.
QImage annotate(const QImage& img, const std::vector<resgen::Spot>& spots)
{
    QImage out = img.scaled(img.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(2, 2);
    for (const auto& s : spots) {
        p.setPen(QPen(QColor(220, 0, 160), 0.5));
        p.setBrush(QColor(255, 0, 200, 40));
        p.drawRect(s.box);
        p.setFont(resgen::font(6, true));
        p.setPen(QColor(160, 0, 120));
        p.drawText(s.box, Qt::AlignCenter, s.name);
    }
    return out;
}

// The overlay spots as Markdown tables, for the notes beside the windows.
int printSpots()
{
    const struct { const char* picture; std::vector<resgen::Spot> spots; } all[] = {
        {"Photometric_plot.bmp", resgen::photometricSpots()},
        {"RiggingS.bmp", resgen::riggingSSpots()},
        {"RiggingL.bmp", resgen::riggingLSpots()},
    };
    for (const auto& group : all) {
        std::printf("%s\n\n| spot | x | y | w | h | centre |\n|---|---:|---:|---:|---:|---|\n", group.picture);
        for (const auto& s : group.spots) {
            const QRectF& b = s.box;
            std::printf("| %s | %d | %d | %d | %d | %d, %d |\n", qPrintable(s.name), qRound(b.x()), qRound(b.y()),
                        qRound(b.width()), qRound(b.height()), qRound(b.center().x()), qRound(b.center().y()));
        }
        std::printf("\n");
    }
    return 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size() && f.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString target;
    QString preview;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
            preview = args[++i];
        else if (args[i] == QLatin1String("--spots"))
            return printSpots();
        else if (target.isEmpty())
            target = args[i];
    }
    if (target.isEmpty()) {
        std::fprintf(stderr, "usage: resgen <target folder> [--preview <folder>]\n"
                             "       resgen --spots\n");
        return 2;
    }
    if (!QDir().mkpath(target) || (!preview.isEmpty() && !QDir().mkpath(preview))) {
        std::fprintf(stderr, "resgen: cannot create the output folders\n");
        return 1;
    }

    std::vector<resgen::Picture> all = resgen::toolbarPictures();
    for (auto&& group : {resgen::listPictures(), resgen::diagramPictures()})
        all.insert(all.end(), group.begin(), group.end());

    for (const auto& pic : all) {
        const QImage img = render(pic);
        const QString path = QDir(target).filePath(pic.fileName);
        if (!writeFile(path, encodeBmp24(img))) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%-28s %3d x %3d\n", qPrintable(pic.fileName), pic.width, pic.height);
        if (preview.isEmpty())
            continue;
        const QString base = QDir(preview).filePath(QFileInfo(pic.fileName).completeBaseName());
        img.save(base + QStringLiteral(".png"));
        if (pic.fileName == QLatin1String("Photometric_plot.bmp"))
            annotate(img, resgen::photometricSpots()).save(base + QStringLiteral("_spots.png"));
        else if (pic.fileName == QLatin1String("RiggingS.bmp"))
            annotate(img, resgen::riggingSSpots()).save(base + QStringLiteral("_spots.png"));
        else if (pic.fileName == QLatin1String("RiggingL.bmp"))
            annotate(img, resgen::riggingLSpots()).save(base + QStringLiteral("_spots.png"));
    }
    return 0;
}

std::vector<resgen::Picture> resgen::diagramPictures()
{
    return {
        {QStringLiteral("TVX_Logo.bmp"), 200, 200, kWhite, drawLogo},
        {QStringLiteral("ohmlaw.bmp"), 260, 260, kWhite, drawOhmLawWheel},
        {QStringLiteral("Photometric_plot.bmp"), 300, 330, kWhite, drawPhotometricPlot},
        {QStringLiteral("RiggingS.bmp"), 420, 330, kWhite, drawRiggingSetup},
        {QStringLiteral("RiggingL.bmp"), 300, 220, kWhite, drawRiggingLoads},
    };
}
