// Draws the triangle picture and the hamburger icon of triangle30 and writes them as image files:
//   draw_images OUTPUT_DIR  ->  triangle.jpg (326 x 149, baseline JPEG, 96 dpi),
//                               triangle@2x.jpg (the same drawn twice as fine, for high-DPI
//                               screens), triangle30.png (32 x 32, 256 colours), and
//                               triangle30.ico (the same 256-colour image, for Windows),
//                               icons/triangle30-N.png (N = 48, 64, 128, 256: for menus and docks;
//                               192 and 512 for the page installed as an app, the 512 maskable)
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <vector>

#include "drawing.h"

namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

// The triangle, from the geometry that the web page draws as well.
QImage DrawTriangle(int scale) {
    namespace drawing = triangle30::form::drawing;
    QImage image(drawing::kWidth * scale, drawing::kHeight * scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi * scale);
    image.fill(Qt::white);

    const auto point = [](drawing::Point p) { return QPointF(p.x, p.y); };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (const drawing::Line& line : drawing::kLines) {
        p.setPen(QPen(Qt::black, line.width));
        p.drawLine(point(line.from), point(line.to));
    }
    p.setPen(QPen(Qt::black, 1));
    QPolygonF rightAngle;
    for (const drawing::Point corner : drawing::kRightAngle) {
        rightAngle << point(corner);
    }
    p.drawPolyline(rightAngle);

    QFont capital(QString::fromUtf8(drawing::kFontFamily.data(),
                                    static_cast<qsizetype>(drawing::kFontFamily.size())));
    capital.setPixelSize(drawing::kPointLetterPixels);
    QFont small = capital;
    small.setItalic(true);
    small.setPixelSize(drawing::kSideLetterPixels);
    for (const drawing::Letter& letter : drawing::kLetters) {
        p.setFont(letter.italic ? small : capital);
        const QRectF box(letter.centre.x - 12, letter.centre.y - 10, 24, 20);
        p.drawText(
            box, Qt::AlignCenter,
            QString::fromUtf8(letter.text.data(), static_cast<qsizetype>(letter.text.size())));
    }
    return image;
}

// A hamburger: bun with sesame seeds, lettuce, cheese, patty and the bottom bun.
// The hamburger, drawn on a 32 x 32 grid and scaled to `size` pixels square. A maskable icon,
// which a phone cuts to its own shape, is opaque, with the hamburger inside the middle circle of
// four fifths of its width that every shape keeps.
QImage DrawIcon(int size = 32, bool maskable = false) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(maskable ? QColor(Qt::white) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (maskable) {
        constexpr double kInside = 0.56;  // a square within the circle: 0.8 / sqrt(2)
        p.translate(size * (1 - kInside) / 2, size * (1 - kInside) / 2);
        p.scale(kInside, kInside);
    }
    p.scale(size / 32.0, size / 32.0);
    const QColor bun(222, 152, 62), bunEdge(150, 90, 30);
    p.setPen(QPen(bunEdge, 1));
    p.setBrush(bun);
    QPainterPath top;
    top.moveTo(3, 15);
    top.cubicTo(3, 3, 29, 3, 29, 15);
    top.closeSubpath();
    p.drawPath(top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 210));
    for (const QPointF seed :
         {QPointF(10, 9), QPointF(16, 7), QPointF(22, 9), QPointF(13, 12), QPointF(19, 12)}) {
        p.drawEllipse(seed, 1.3, 0.8);
    }
    p.setBrush(QColor(70, 170, 40));  // lettuce
    QPainterPath lettuce;
    lettuce.moveTo(2, 14);
    for (int x = 2; x < 30; x += 4) {
        lettuce.quadTo(x + 1, 20, x + 2, 17);
        lettuce.quadTo(x + 3, 20, x + 4, 17);
    }
    lettuce.lineTo(30, 14);
    lettuce.closeSubpath();
    p.drawPath(lettuce);
    p.setBrush(QColor(250, 200, 30));  // cheese
    p.drawPolygon(
        QPolygonF({QPointF(4, 18), QPointF(28, 18), QPointF(23, 22.5), QPointF(9, 22.5)}));
    p.setBrush(QColor(110, 55, 25));  // patty
    p.drawRoundedRect(QRectF(3, 20, 26, 5), 2.5, 2.5);
    p.setPen(QPen(bunEdge, 1));
    p.setBrush(bun);
    p.drawRoundedRect(QRectF(4, 25, 24, 5), 2.5, 2.5);
    p.end();
    return image;
}

// The icon in 256 colours with a palette made for it: fully transparent or opaque pixels only,
// and the image's own colours, the two nearest merged (weighted by how often each occurs)
// until 255 remain beside the transparent one.
QImage Quantize(const QImage& argb) {
    struct Colour {
        double r, g, b, weight;
    };
    std::vector<Colour> colours;
    std::map<QRgb, int> count;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) >= 128) {
                ++count[qRgb(qRed(c), qGreen(c), qBlue(c))];
            }
        }
    }
    for (const auto& [c, n] : count) {
        colours.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c)), double(n)});
    }
    const auto distance = [](const Colour& a, const Colour& b) {
        return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    };
    while (colours.size() > 255) {
        std::size_t bestI = 0, bestJ = 1;
        double best = std::numeric_limits<double>::max();
        for (std::size_t i = 0; i < colours.size(); ++i) {
            for (std::size_t j = i + 1; j < colours.size(); ++j) {
                const double d = distance(colours[i], colours[j]) * colours[i].weight *
                                 colours[j].weight / (colours[i].weight + colours[j].weight);
                if (d < best) {
                    best = d;
                    bestI = i;
                    bestJ = j;
                }
            }
        }
        Colour& a = colours[bestI];
        const Colour& b = colours[bestJ];
        const double w = a.weight + b.weight;
        a = {(a.r * a.weight + b.r * b.weight) / w, (a.g * a.weight + b.g * b.weight) / w,
             (a.b * a.weight + b.b * b.weight) / w, w};
        colours.erase(colours.begin() + static_cast<std::ptrdiff_t>(bestJ));
    }
    QList<QRgb> table{qRgba(0, 0, 0, 0)};
    for (const Colour& c : colours) {
        table.push_back(qRgb(qRound(c.r), qRound(c.g), qRound(c.b)));
    }
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            int index = 0;
            if (qAlpha(c) >= 128) {
                const Colour pixel{double(qRed(c)), double(qGreen(c)), double(qBlue(c)), 1};
                double best = std::numeric_limits<double>::max();
                for (int i = 1; i < table.size(); ++i) {
                    const double d = distance(pixel, colours[std::size_t(i - 1)]);
                    if (d < best) {
                        best = d;
                        index = i;
                    }
                }
            }
            indexed.setPixel(x, y, uint(index));
        }
    }
    return indexed;
}

// Writes a 256-colour image as a Windows icon of one 8-bit image, whose palette entry 0 is
// transparent (Qt's own writer makes every icon 32-bit).
bool WriteIco(const QImage& indexed, const QString& path) {
    const int w = indexed.width();
    const int h = indexed.height();
    const int maskRow = ((w + 31) / 32) * 4;
    const int pixelBytes = w * h;
    const int imageBytes = 40 + 256 * 4 + pixelBytes + maskRow * h;
    QByteArray out;
    const auto put16 = [&out](int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    const auto put32 = [&put16](int v) {
        put16(v & 0xffff);
        put16((v >> 16) & 0xffff);
    };
    put16(0), put16(1), put16(1);                                   // an icon file of one image
    out.append(char(w)).append(char(h)).append('\0').append('\0');  // 256 colours
    put16(1), put16(8), put32(imageBytes), put32(22);
    put32(40), put32(w), put32(2 * h), put16(1), put16(8);  // the bitmap header
    put32(0), put32(pixelBytes + maskRow * h), put32(0), put32(0), put32(256), put32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {  // bottom-up
        out.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (indexed.pixelIndex(x, y) == 0) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool Write(const QImage& image, const QString& path, const QByteArray& format, int quality) {
    QImageWriter writer(path, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: draw_images OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QImage icon = DrawIcon();
    const QImage icon256 = Quantize(icon);
    const bool ok = Write(DrawTriangle(1), dir + QStringLiteral("/triangle.jpg"), "jpeg", 92) &&
                    Write(DrawTriangle(2), dir + QStringLiteral("/triangle@2x.jpg"), "jpeg", 92) &&
                    Write(icon256, dir + QStringLiteral("/triangle30.png"), "png", -1) &&
                    WriteIco(icon256, dir + QStringLiteral("/triangle30.ico"));
    bool sizesOk = true;
    for (const int size : {48, 64, 128, 192, 256, 512}) {
        sizesOk =
            sizesOk && Write(DrawIcon(size, size == 512),
                             dir + QStringLiteral("/icons/triangle30-%1.png").arg(size), "png", -1);
    }
    return ok && sizesOk ? 0 : 1;
}
