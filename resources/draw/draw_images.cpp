// Draws the triangle picture and the hamburger icon of triangle30 and writes them as image files:
//   draw_images OUTPUT_DIR  ->  triangle.jpg (326 x 149, baseline JPEG, 96 dpi),
//                               triangle@2x.jpg (the same drawn twice as fine, for high-DPI
//                               screens), triangle30.png (32 x 32, 256 colours), triangle30.ico
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

// The right triangle with the right angle at C and 30 degrees at A, flattened: C is drawn 95
// pixels above AB where the true triangle would put it 129 pixels above.
QImage DrawTriangle(int scale) {
    QImage image(326 * scale, 149 * scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi * scale);
    image.fill(Qt::white);

    const double baseY = 118;
    const double ax = 14;
    const double bx = 312;
    const double length = bx - ax;                                          // 298
    const double mx = ax + length / 2;                                      // the median's foot
    const double lx = ax + length * std::sqrt(3.0) / (1 + std::sqrt(3.0));  // AL : LB = AC : BC
    const double hx = ax + length * 3 / 4;                                  // the altitude's foot
    const QPointF a(ax, baseY), b(bx, baseY), c(hx, baseY - 95);
    const QPointF m(mx, baseY), l(lx, baseY), h(hx, baseY);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(Qt::black, 1.3));
    p.drawLine(a, b);
    p.drawLine(a, c);
    p.drawLine(c, b);
    p.drawLine(c, m);
    p.drawLine(c, l);
    p.drawLine(c, h);
    // The right angle at H.
    p.setPen(QPen(Qt::black, 1));
    p.drawPolyline(
        QPolygonF({QPointF(hx, baseY - 8), QPointF(hx + 8, baseY - 8), QPointF(hx + 8, baseY)}));

    QFont capital(QStringLiteral("Liberation Serif"));
    capital.setPixelSize(17);
    QFont small = capital;
    small.setItalic(true);
    small.setPixelSize(16);
    const auto put = [&p](const QFont& font, const QString& text, QPointF centre) {
        p.setFont(font);
        const QRectF box(centre.x() - 12, centre.y() - 10, 24, 20);
        p.drawText(box, Qt::AlignCenter, text);
    };
    const double under = baseY + 14;
    put(capital, QStringLiteral("A"), {ax, under});
    put(capital, QStringLiteral("M"), {mx, under});
    put(capital, QStringLiteral("L"), {lx, under});
    put(capital, QStringLiteral("H"), {hx, under});
    put(capital, QStringLiteral("B"), {bx, under});
    put(capital, QStringLiteral("C"), {hx, c.y() - 12});
    put(small, QStringLiteral("b"), {(ax + hx) / 2 - 6, (baseY + c.y()) / 2 - 10});
    put(small, QStringLiteral("a"), {(hx + bx) / 2 + 10, (baseY + c.y()) / 2 - 8});
    put(small, QStringLiteral("c"), {(ax + mx) / 2, under});
    put(small, QStringLiteral("m"), {(mx + hx) / 2 - 19, (baseY + c.y()) / 2 + 6});
    put(small, QStringLiteral("l"), {(lx + hx) / 2 + 1, baseY - 26});
    put(small, QStringLiteral("h"), {hx + 8, (baseY + c.y()) / 2 + 4});
    return image;
}

// A hamburger: bun with sesame seeds, lettuce, cheese, patty and the bottom bun.
QImage DrawIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
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
    const QImage icon256 = icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const bool ok = Write(DrawTriangle(1), dir + QStringLiteral("/triangle.jpg"), "jpeg", 92) &&
                    Write(DrawTriangle(2), dir + QStringLiteral("/triangle@2x.jpg"), "jpeg", 92) &&
                    Write(icon256, dir + QStringLiteral("/triangle30.png"), "png", -1) &&
                    Write(icon, dir + QStringLiteral("/triangle30.ico"), "ico", -1);
    return ok ? 0 : 1;
}
