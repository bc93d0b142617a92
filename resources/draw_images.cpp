// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the editor's pictures into resources/images as PNG files.
//
// The pictures are drawn in code rather than kept as vector files because the
// Qt packages the editor depends on have no SVG renderer. Run it after
// changing a drawing and commit the PNG files it writes:
//   cmake --build BUILD --target draw_images && BUILD/print/draw_images resources/images
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

// Every drawing works in a 32 x 32 unit box; the image scales it.
using Drawing = std::function<void(QPainter&)>;

const QColor kBlue(0, 128, 192);
const QColor kDarkBlue(0, 70, 120);
const QColor kInk(40, 40, 48);
const QColor kGold(232, 176, 32);
const QColor kDarkGold(150, 100, 10);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 50, 40);

QPen pen(const QColor& c, qreal w) {
    QPen p(c, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void drawTv(QPainter& p) {
    // Cabinet, screen, stand.
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(2, 5, 28, 20), 3, 3);
    QLinearGradient screen(0, 7, 0, 23);
    screen.setColorAt(0, QColor(120, 200, 255));
    screen.setColorAt(1, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(screen);
    p.drawRoundedRect(QRectF(5, 8, 22, 14), 1.5, 1.5);
    p.setBrush(QColor(255, 255, 255, 110));
    QPainterPath shine;
    shine.moveTo(5, 8);
    shine.lineTo(17, 8);
    shine.lineTo(9, 22);
    shine.lineTo(5, 22);
    shine.closeSubpath();
    p.drawPath(shine);
    p.setPen(pen(kInk, 2));
    p.drawLine(QPointF(12, 25.5), QPointF(10, 29));
    p.drawLine(QPointF(20, 25.5), QPointF(22, 29));
    p.drawLine(QPointF(8, 29.5), QPointF(24, 29.5));
}

void drawRadio(QPainter& p) {
    p.setPen(pen(kInk, 1.5));
    p.drawLine(QPointF(9, 11), QPointF(24, 2.5));  // aerial
    p.setBrush(QColor(176, 96, 48));
    p.setPen(pen(kInk, 1.2));
    p.drawRoundedRect(QRectF(2, 11, 28, 18), 3, 3);
    // Speaker grille.
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QPointF(11, 20), 6, 6);
    p.setPen(pen(QColor(150, 120, 100), 1));
    for (qreal r : {2.0, 4.0}) p.drawEllipse(QPointF(11, 20), r, r);
    // Dial and knobs.
    p.setPen(pen(kInk, 1));
    p.setBrush(QColor(250, 235, 180));
    p.drawRect(QRectF(19, 14, 9, 5));
    p.setPen(pen(kRed, 1));
    p.drawLine(QPointF(23, 14.5), QPointF(23, 18.5));
    p.setPen(pen(kInk, 1));
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(QPointF(21, 24), 2, 2);
    p.drawEllipse(QPointF(26, 24), 2, 2);
}

void drawKey(QPainter& p) {
    // The scrambled mark: a gold key.
    p.setPen(pen(kDarkGold, 1.6));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(9, 16), 6.5, 6.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 16), 2.2, 2.2);
    p.setPen(pen(kDarkGold, 4.4));
    p.drawLine(QPointF(15.5, 16), QPointF(29, 16));
    p.drawLine(QPointF(25, 16), QPointF(25, 21));
    p.drawLine(QPointF(29, 16), QPointF(29, 20));
    p.setPen(pen(kGold, 2));
    p.drawLine(QPointF(15.5, 16), QPointF(29, 16));
    p.drawLine(QPointF(25, 16), QPointF(25, 21));
    p.drawLine(QPointF(29, 16), QPointF(29, 20));
}

void drawPadlock(QPainter& p, bool closed) {
    p.setPen(pen(QColor(110, 110, 120), 3.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    if (closed) {
        shackle.moveTo(10, 15);
        shackle.lineTo(10, 10);
        shackle.arcTo(QRectF(10, 3, 12, 14), 180, -180);
        shackle.lineTo(22, 15);
    } else {
        shackle.moveTo(22, 15);
        shackle.lineTo(22, 8);
        shackle.arcTo(QRectF(22, 1, 12, 14), 180, -180);
        shackle.lineTo(34, 10);
    }
    p.drawPath(shackle);
    QLinearGradient body(0, 14, 0, 30);
    body.setColorAt(0, closed ? kGold : QColor(120, 200, 120));
    body.setColorAt(1, closed ? kDarkGold : kGreen);
    p.setPen(pen(kInk, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 14, 20, 16), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 20.5), 2.2, 2.2);
    p.drawRect(QRectF(15, 21, 2, 5));
}

void drawFolder(QPainter& p) {
    p.setPen(pen(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(220, 170, 50));
    QPainterPath back;
    back.moveTo(2, 27);
    back.lineTo(2, 7);
    back.lineTo(10, 7);
    back.lineTo(13, 10);
    back.lineTo(25, 10);
    back.lineTo(25, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 12, 16, 12));
    QLinearGradient front(0, 15, 0, 27);
    front.setColorAt(0, QColor(255, 215, 90));
    front.setColorAt(1, QColor(235, 175, 40));
    p.setBrush(front);
    QPainterPath flap;
    flap.moveTo(2, 27);
    flap.lineTo(7, 15);
    flap.lineTo(30, 15);
    flap.lineTo(25, 27);
    flap.closeSubpath();
    p.drawPath(flap);
}

void drawDisk(QPainter& p) {
    p.setPen(pen(kDarkBlue, 1.2));
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(25, 3);
    body.lineTo(29, 7);
    body.lineTo(29, 29);
    body.lineTo(3, 29);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(210, 210, 215));
    p.drawRect(QRectF(9, 3, 13, 9));
    p.setBrush(kDarkBlue);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(17, 4.5, 3, 6));
    p.setPen(pen(kDarkBlue, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 16, 18, 13));
    p.setPen(pen(QColor(160, 160, 170), 1));
    p.drawLine(QPointF(10, 20), QPointF(22, 20));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
}

void drawStar(QPainter& p) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 14.5 : 6.2;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(16 + r * std::cos(a), 17 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient fill(QPointF(14, 13), 16);
    fill.setColorAt(0, QColor(255, 240, 140));
    fill.setColorAt(1, kGold);
    p.setPen(pen(kDarkGold, 1.3));
    p.setBrush(fill);
    p.drawPath(star);
}

// Receiver box with an arrow: down into it (PC to receiver) or up out of it.
void drawTransfer(QPainter& p, bool toReceiver) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(2, 20, 28, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 230, 90));
    p.drawEllipse(QPointF(6.5, 24.5), 1.5, 1.5);
    p.setBrush(QColor(120, 220, 255));
    p.drawRect(QRectF(18, 23, 9, 3));
    const QColor arrow = toReceiver ? kGreen : kBlue;
    QPainterPath path;
    if (toReceiver) {
        path.moveTo(12, 2);
        path.lineTo(20, 2);
        path.lineTo(20, 10);
        path.lineTo(25, 10);
        path.lineTo(16, 19);
        path.lineTo(7, 10);
        path.lineTo(12, 10);
    } else {
        path.moveTo(12, 19);
        path.lineTo(20, 19);
        path.lineTo(20, 11);
        path.lineTo(25, 11);
        path.lineTo(16, 2);
        path.lineTo(7, 11);
        path.lineTo(12, 11);
    }
    path.closeSubpath();
    p.setPen(pen(arrow.darker(150), 1.2));
    p.setBrush(arrow);
    p.drawPath(path);
}

void drawSerialPlug(QPainter& p) {
    // A nine-pin serial connector with its cable.
    p.setPen(pen(kInk, 4));
    p.drawLine(QPointF(16, 24), QPointF(16, 31));
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(180, 185, 195));
    QPainterPath shell;
    shell.moveTo(1.5, 6);
    shell.lineTo(30.5, 6);
    shell.lineTo(27, 20);
    shell.lineTo(5, 20);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setBrush(QColor(90, 95, 105));
    p.drawRoundedRect(QRectF(11, 20, 10, 5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(7.5 + i * 4.25, 10.5), 1.3, 1.3);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(9.6 + i * 4.25, 15.5), 1.3, 1.3);
}

void drawPrinter(QPainter& p) {
    p.setPen(pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 2, 16, 12));
    p.setPen(pen(QColor(150, 150, 160), 1));
    p.drawLine(QPointF(11, 6), QPointF(21, 6));
    p.drawLine(QPointF(11, 9), QPointF(21, 9));
    QLinearGradient body(0, 12, 0, 26);
    body.setColorAt(0, QColor(200, 200, 210));
    body.setColorAt(1, QColor(130, 130, 145));
    p.setPen(pen(kInk, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2, 12, 28, 13), 2.5, 2.5);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(7, 21, 18, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 22.5, 16, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(26, 16), 1.3, 1.3);
}

void drawInfo(QPainter& p) {
    QRadialGradient fill(QPointF(12, 10), 18);
    fill.setColorAt(0, QColor(90, 180, 240));
    fill.setColorAt(1, kBlue);
    p.setPen(pen(kDarkBlue, 1.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9), 2.4, 2.4);
    p.drawRoundedRect(QRectF(13.8, 13, 4.4, 12), 1.2, 1.2);
}

void drawAppIcon(QPainter& p) {
    // Satellite dish on a blue tile.
    QLinearGradient tile(0, 0, 0, 32);
    tile.setColorAt(0, QColor(40, 160, 220));
    tile.setColorAt(1, kDarkBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    p.setPen(pen(Qt::white, 1.6));
    p.setBrush(QColor(235, 240, 245));
    QPainterPath dish;
    dish.moveTo(5, 9);
    dish.quadTo(7, 25, 23, 27);
    dish.closeSubpath();
    p.drawPath(dish);
    p.drawLine(QPointF(14, 18), QPointF(20, 12));  // feed arm
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20.5, 11.5), 1.6, 1.6);
    p.setPen(pen(QColor(255, 220, 80), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17, 3, 12, 12), 0, 90 * 16);
    p.drawArc(QRectF(13, -1, 20, 20), 10 * 16, 70 * 16);
    p.setPen(pen(Qt::white, 2.2));
    p.drawLine(QPointF(12, 27), QPointF(9, 30));
}

bool write(const QString& dir, const QString& name, QSize size, const Drawing& draw) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Keep the 32-unit drawing square and centred in non-square images.
    const qreal scale = std::min(size.width(), size.height()) / 32.0;
    p.translate((size.width() - 32 * scale) / 2, (size.height() - 32 * scale) / 2);
    p.scale(scale, scale);
    draw(p);
    p.end();
    const QString path = QDir(dir).filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_images OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out + "/toolbar");
    const QSize s32(32, 32);
    bool ok = true;
    ok &= write(out, "app.png", QSize(64, 64), drawAppIcon);
    ok &= write(out, "app32.png", s32, drawAppIcon);
    // The desktop's icon theme sizes (32 and 64 are the two above).
    for (int size : {16, 22, 24, 48, 128, 256})
        ok &= write(out, QStringLiteral("app%1.png").arg(size), QSize(size, size), drawAppIcon);
    ok &= write(out, "tv.png", s32, drawTv);
    ok &= write(out, "radio.png", s32, drawRadio);
    ok &= write(out, "scrambled.png", QSize(16, 16), drawKey);
    ok &= write(out, "locked.png", QSize(28, 24), [](QPainter& p) { drawPadlock(p, true); });
    ok &= write(out, "unlocked.png", QSize(28, 24), [](QPainter& p) { drawPadlock(p, false); });
    ok &= write(out, "toolbar/open.png", s32, drawFolder);
    ok &= write(out, "toolbar/save.png", s32, drawDisk);
    ok &= write(out, "toolbar/tv.png", s32, drawTv);
    ok &= write(out, "toolbar/radio.png", s32, drawRadio);
    ok &= write(out, "toolbar/favorites.png", s32, drawStar);
    ok &= write(out, "toolbar/download.png", s32, [](QPainter& p) { drawTransfer(p, true); });
    ok &= write(out, "toolbar/upload.png", s32, [](QPainter& p) { drawTransfer(p, false); });
    ok &= write(out, "toolbar/settings.png", s32, drawSerialPlug);
    ok &= write(out, "toolbar/print.png", s32, drawPrinter);
    ok &= write(out, "toolbar/about.png", s32, drawInfo);
    return ok ? 0 : 1;
}
