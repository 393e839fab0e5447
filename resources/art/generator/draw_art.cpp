// draw_art: draws the program's artwork (window skins, emulator emblems,
// program icon) into the folder given on the command line.
//
// Letters are drawn as stroked paths rather than with a font, so the same
// build always writes the same bytes and a change to the art is one rerun.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The skinned windows treat this colour as see-through.
const QRgb kLime = qRgb(0, 255, 0);
// The emblem pictures use pure white as their see-through colour.
const QRgb kWhite = qRgb(255, 255, 255);

// Lime pixels in each corner row, outermost row first.
const std::vector<int> kMainCorner = {16, 12, 9, 7, 6, 5, 4, 3, 2, 2, 2, 1, 1, 1, 1};
const std::vector<int> kSettingsCorner = {19, 15, 12, 10, 9, 8, 7, 6, 5, 4,
                                          3,  3,  2,  2,  2, 1, 1, 1, 1};

// The drag strip of the windows is rows 0..27; row 0 is the outline.
const int kBandTop = 1;
const int kBandBottom = 27;
const QColor kBandBase(32, 74, 142);
const QColor kBandLight(98, 138, 204);
const QColor kSettingsBody(44, 44, 44);

struct Badge
{
    QColor top;
    QColor bottom;
    QColor rim;
    QString word;
    QString numeral;
};

const Badge kCps3Badge{QColor(238, 118, 46), QColor(166, 38, 22), QColor(70, 14, 6), "CPS", "3"};
const Badge kModel2Badge{QColor(48, 182, 198), QColor(12, 88, 126), QColor(4, 36, 54), "MODEL",
                         "2"};

bool inCorner(int x, int y, int w, int h, const std::vector<int> &profile)
{
    const int row = std::min(y, h - 1 - y);
    if (row >= int(profile.size()))
        return false;
    return std::min(x, w - 1 - x) < profile[row];
}

bool outsideShape(int x, int y, int w, int h, const std::vector<int> &profile)
{
    return x < 0 || y < 0 || x >= w || y >= h || inCorner(x, y, w, h, profile);
}

int mix(int a, int b, double t)
{
    return int(std::lround(a + (b - a) * t));
}

QRgb mixRgb(const QColor &a, const QColor &b, double t)
{
    return qRgb(mix(a.red(), b.red(), t), mix(a.green(), b.green(), t),
                mix(a.blue(), b.blue(), t));
}

// --- letters -------------------------------------------------------------

// Adds the centre line of one glyph, one unit high, starting at x = 0.
// Returns the glyph's width in the same unit.
double addGlyph(QPainterPath &path, QChar c)
{
    switch (c.toLatin1()) {
    case '2': {
        const double w = 0.6;
        const QRectF bowl(0, 0, w, 0.54);
        path.arcMoveTo(bowl, 160);
        path.arcTo(bowl, 160, -205);
        path.lineTo(0, 1);
        path.lineTo(w, 1);
        return w;
    }
    case '3': {
        const double w = 0.6;
        const QRectF top(0.03, 0, w - 0.08, 0.47);
        const QRectF bottom(0, 0.47, w, 0.53);
        path.arcMoveTo(top, 155);
        path.arcTo(top, 155, -245);
        path.arcTo(bottom, 90, -250);
        path.moveTo(w * 0.24, 0.47);
        path.lineTo(top.center().x(), 0.47);
        return w;
    }
    case 'C': {
        const double w = 0.62;
        const QRectF ring(0, 0, w, 1);
        path.arcMoveTo(ring, 48);
        path.arcTo(ring, 48, 264);
        return w;
    }
    case 'D': {
        const double w = 0.6;
        path.moveTo(0, 0);
        path.lineTo(0, 1);
        path.lineTo(w * 0.4, 1);
        path.arcTo(QRectF(-w * 0.2, 0, w * 1.2, 1), -90, 180);
        path.closeSubpath();
        return w;
    }
    case 'E': {
        const double w = 0.5;
        path.moveTo(w, 0);
        path.lineTo(0, 0);
        path.lineTo(0, 1);
        path.lineTo(w, 1);
        path.moveTo(0, 0.5);
        path.lineTo(w * 0.82, 0.5);
        return w;
    }
    case 'L': {
        const double w = 0.48;
        path.moveTo(0, 0);
        path.lineTo(0, 1);
        path.lineTo(w, 1);
        return w;
    }
    case 'M': {
        const double w = 0.74;
        path.moveTo(0, 1);
        path.lineTo(0, 0);
        path.lineTo(w / 2, 0.62);
        path.lineTo(w, 0);
        path.lineTo(w, 1);
        return w;
    }
    case 'O': {
        const double w = 0.68;
        path.addEllipse(QRectF(0, 0, w, 1));
        return w;
    }
    case 'P': {
        const double w = 0.56;
        const double bowl = 0.54;
        path.moveTo(0, 1);
        path.lineTo(0, 0);
        path.lineTo(w - bowl / 2, 0);
        path.arcTo(QRectF(w - bowl, 0, bowl, bowl), 90, -180);
        path.lineTo(0, bowl);
        return w;
    }
    case 'S': {
        const double w = 0.58;
        const QRectF top(0.02, 0, w - 0.04, 0.5);
        const QRectF bottom(0, 0.5, w, 0.5);
        path.arcMoveTo(top, 30);
        path.arcTo(top, 30, 185);
        path.arcTo(bottom, 35, -185);
        return w;
    }
    default:
        return 0;
    }
}

// A word whose strokes, pen included, are `height` pixels tall, centred on `centre`.
QPainterPath wordPath(const QString &text, double height, double pen, QPointF centre)
{
    const double unit = height - pen;
    const double gap = pen + 0.14 * unit;
    QPainterPath path;
    double x = 0;
    for (QChar c : text) {
        QPainterPath glyph;
        const double w = addGlyph(glyph, c);
        QTransform t;
        t.translate(x, 0);
        t.scale(unit, unit);
        path.addPath(t.map(glyph));
        x += w * unit + gap;
    }
    const double width = x - gap;
    return path.translated(centre.x() - width / 2, centre.y() - unit / 2);
}

void drawWord(QPainter &p, const QString &text, double height, double pen, QPointF centre,
              const QColor &ink, const QColor &shadow)
{
    const QPainterPath path = wordPath(text, height, pen, centre);
    p.setBrush(Qt::NoBrush);
    const double drop = std::max(0.6, pen * 0.45);
    p.setPen(QPen(shadow, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(drop, drop));
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// --- symbols ---------------------------------------------------------------

double badgeRadius(double size)
{
    return size * 0.22;
}

// A rounded, glossy badge with the emulator's name; small badges show the
// numeral alone, so it stays readable.
void drawBadge(QPainter &p, const QRectF &r, const Badge &b)
{
    const double s = std::min(r.width(), r.height());
    const double rim = std::max(1.0, s / 30);
    const QRectF box = r.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    QPainterPath shape;
    shape.addRoundedRect(box, badgeRadius(s), badgeRadius(s));

    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, b.top);
    fill.setColorAt(1, b.bottom);
    p.setPen(QPen(b.rim, rim));
    p.setBrush(fill);
    p.drawPath(shape);

    // A soft sheen on the upper part and a light inner edge give it some depth.
    p.save();
    p.setClipPath(shape);
    QLinearGradient sheen(box.topLeft(), QPointF(box.left(), box.top() + s * 0.5));
    sheen.setColorAt(0, QColor(255, 255, 255, 96));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(QRectF(box.left() - s * 0.25, box.top() - s * 0.62, box.width() + s * 0.5,
                         s * 1.08));
    p.restore();
    if (s >= 20) {
        const QRectF inner = box.adjusted(rim, rim, -rim, -rim);
        p.setPen(QPen(QColor(255, 255, 255, 56), rim * 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inner, badgeRadius(s) - rim, badgeRadius(s) - rim);
    }

    const QColor ink(250, 250, 250);
    QColor shade = b.rim;
    shade.setAlpha(170);
    const QPointF c = box.center();
    if (s >= 30) {
        drawWord(p, b.word, s * 0.16, s * 0.04, QPointF(c.x(), box.top() + s * 0.2), ink, shade);
        drawWord(p, b.numeral, s * 0.52, s * 0.105, QPointF(c.x(), box.top() + s * 0.6), ink,
                 shade);
    } else {
        drawWord(p, b.numeral, s * 0.62, std::max(1.3, s * 0.13), c, ink, shade);
    }
}

// Blurred dark copy of a badge's outline, drawn under it.
void drawBadgeShadow(QPainter &p, const QRectF &r, QPointF offset)
{
    const double s = std::min(r.width(), r.height());
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 0; --i) {
        const QRectF box = r.translated(offset).adjusted(-i * 0.5, -i * 0.5, i * 0.5, i * 0.5);
        p.setBrush(QColor(0, 0, 0, 36));
        p.drawRoundedRect(box, badgeRadius(s) + i * 0.5, badgeRadius(s) + i * 0.5);
    }
}

// Both emulators' badges side by side, for the band of the main window.
void drawBadgePair(QPainter &p, const QRectF &r)
{
    const double s = r.height();
    drawBadge(p, QRectF(r.left(), r.top(), s, s), kCps3Badge);
    drawBadge(p, QRectF(r.right() - s, r.top(), s, s), kModel2Badge);
}

// The program icon: one badge split between the two emulators' colours,
// "3" on the left and "2" on the right, which still reads at 16 pixels.
// The flat variant uses only the given fill colours, for 16-colour icons.
void drawSplitBadge(QPainter &p, const QRectF &r, bool flat, const QColor &leftFlat,
                    const QColor &rightFlat)
{
    const double s = std::min(r.width(), r.height());
    const double rim = std::max(1.0, s / 30);
    const QRectF box = r.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    QPainterPath shape;
    shape.addRoundedRect(box, badgeRadius(s), badgeRadius(s));

    // The split leans a little, like the two badges leaning on each other.
    QPainterPath left;
    left.moveTo(r.topLeft());
    left.lineTo(r.left() + s * 0.56, r.top());
    left.lineTo(r.left() + s * 0.44, r.bottom());
    left.lineTo(r.bottomLeft());
    left.closeSubpath();
    const QPainterPath right = shape.subtracted(left);

    p.setPen(Qt::NoPen);
    for (int side = 0; side < 2; ++side) {
        const Badge &b = side == 0 ? kCps3Badge : kModel2Badge;
        if (flat) {
            p.setBrush(side == 0 ? leftFlat : rightFlat);
        } else {
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, b.top);
            fill.setColorAt(1, b.bottom);
            p.setBrush(fill);
        }
        p.drawPath(side == 0 ? shape.intersected(left) : right);
    }
    if (!flat) {
        p.save();
        p.setClipPath(shape);
        QLinearGradient sheen(box.topLeft(), QPointF(box.left(), box.top() + s * 0.5));
        sheen.setColorAt(0, QColor(255, 255, 255, 96));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        p.drawEllipse(QRectF(box.left() - s * 0.25, box.top() - s * 0.62,
                             box.width() + s * 0.5, s * 1.08));
        p.restore();
    }
    const QColor rimColour = flat ? QColor(0, 0, 0) : QColor(30, 22, 20);
    p.setPen(QPen(rimColour, rim));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    // A wider seam keeps the two halves apart as two badges.
    p.setPen(QPen(rimColour, rim * 1.5));
    p.drawLine(QPointF(r.left() + s * 0.56, box.top()), QPointF(r.left() + s * 0.44, box.bottom()));

    const QColor ink = flat ? QColor(255, 255, 255) : QColor(250, 250, 250);
    const double pen = std::max(1.5, s * 0.1);
    const double height = s * 0.58;
    const QColor shade(0, 0, 0, flat ? 0 : 150);
    drawWord(p, kCps3Badge.numeral, height, pen, QPointF(r.left() + s * 0.27, box.center().y()),
             ink, shade);
    drawWord(p, kModel2Badge.numeral, height, pen,
             QPointF(r.left() + s * 0.74, box.center().y()), ink, shade);
}

// A 17 x 17 folder, its top-left corner at `o`.
void drawFolder(QPainter &p, QPointF o)
{
    const QColor line(82, 52, 10);
    QPainterPath back;
    back.moveTo(o + QPointF(0.5, 2.5));
    back.lineTo(o + QPointF(6.5, 2.5));
    back.lineTo(o + QPointF(8.0, 4.5));
    back.lineTo(o + QPointF(15.5, 4.5));
    back.lineTo(o + QPointF(15.5, 14.5));
    back.lineTo(o + QPointF(0.5, 14.5));
    back.closeSubpath();
    QLinearGradient backFill(o + QPointF(0, 2), o + QPointF(0, 15));
    backFill.setColorAt(0, QColor(214, 156, 48));
    backFill.setColorAt(1, QColor(170, 112, 24));
    p.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(backFill);
    p.drawPath(back);

    QPainterPath front;
    front.moveTo(o + QPointF(3.5, 7.5));
    front.lineTo(o + QPointF(16.5, 7.5));
    front.lineTo(o + QPointF(14.5, 14.5));
    front.lineTo(o + QPointF(0.5, 14.5));
    front.closeSubpath();
    QLinearGradient frontFill(o + QPointF(0, 7), o + QPointF(0, 15));
    frontFill.setColorAt(0, QColor(252, 214, 108));
    frontFill.setColorAt(1, QColor(232, 170, 56));
    p.setBrush(frontFill);
    p.drawPath(front);
}

// A 17 x 17 round red button with a cross, its top-left corner at `o`.
void drawCloseCross(QPainter &p, QPointF o)
{
    const QRectF disc(o.x() + 0.5, o.y() + 0.5, 16, 16);
    QRadialGradient fill(disc.center() - QPointF(2, 3), 12);
    fill.setColorAt(0, QColor(238, 98, 80));
    fill.setColorAt(1, QColor(148, 26, 18));
    p.setPen(QPen(QColor(66, 8, 6), 1));
    p.setBrush(fill);
    p.drawEllipse(disc);
    p.setPen(QPen(QColor(250, 242, 238), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o + QPointF(5.5, 5.5), o + QPointF(11.5, 11.5));
    p.drawLine(o + QPointF(11.5, 5.5), o + QPointF(5.5, 11.5));
}

// --- window skins ------------------------------------------------------------

QRgb bandColour(int y)
{
    // Lightest just under the outline, settling to the base colour at the bottom.
    const double t = double(kBandBottom - y) / (kBandBottom - kBandTop);
    return mixRgb(kBandBase, kBandLight, t * t);
}

QImage drawSkinBase(int w, int h, bool glow)
{
    QImage img(w, h, QImage::Format_RGB32);
    const double cx = (w - 1) / 2.0;
    const double cy = (kBandBottom + 1 + h - 1) / 2.0;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (y >= kBandTop && y <= kBandBottom) {
                line[x] = bandColour(y);
            } else if (glow) {
                const double dx = (x - cx) / (w * 0.62);
                const double dy = (y - cy) / (h * 0.66);
                const double f = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy));
                const int v = mix(30, 118, std::pow(f, 1.3));
                line[x] = qRgb(v, v, v);
            } else {
                line[x] = kSettingsBody.rgb();
            }
        }
    }
    return img;
}

// Cuts the corners, draws the outline along the cut shape, and makes sure
// no other pixel has the key colour, whatever was painted.
void finishSkin(QImage &img, const std::vector<int> &corner)
{
    const int w = img.width();
    const int h = img.height();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (inCorner(x, y, w, h, corner)) {
                line[x] = kLime;
            } else if (outsideShape(x - 1, y, w, h, corner) || outsideShape(x + 1, y, w, h, corner)
                       || outsideShape(x, y - 1, w, h, corner)
                       || outsideShape(x, y + 1, w, h, corner)) {
                line[x] = qRgb(0, 0, 0);
            } else if ((line[x] & 0xffffff) == (kLime & 0xffffff)) {
                line[x] = qRgb(0, 254, 0);
            }
        }
    }
}

// An engraved horizontal rule that fades out at both ends.
void drawRule(QPainter &p, double x0, double x1, double y)
{
    for (int i = 0; i < 2; ++i) {
        const QColor c = i == 0 ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 34);
        QColor clear = c;
        clear.setAlpha(0);
        QLinearGradient g(QPointF(x0, 0), QPointF(x1, 0));
        g.setColorAt(0, clear);
        g.setColorAt(0.15, c);
        g.setColorAt(0.85, c);
        g.setColorAt(1, clear);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x0, y + i, x1 - x0, 1));
    }
}

QImage drawMainSkin()
{
    QImage img = drawSkinBase(512, 322, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    drawBadgePair(p, QRectF(7, 3, 46, 23));

    // Under the clickable areas (18,50 65x65) and (18,200 65x63).
    const QRectF cps3(20, 52, 60, 60);
    const QRectF model2(20, 201, 60, 60);
    drawBadgeShadow(p, cps3, QPointF(1.5, 2));
    drawBadge(p, cps3, kCps3Badge);
    drawBadgeShadow(p, model2, QPointF(1.5, 2));
    drawBadge(p, model2, kModel2Badge);

    drawRule(p, 20, 468, 150);

    drawFolder(p, QPointF(480, 114));
    drawCloseCross(p, QPointF(480, 184));
    p.end();

    finishSkin(img, kMainCorner);
    return img;
}

QImage drawSettingsSkin()
{
    QImage img = drawSkinBase(517, 480, false);
    finishSkin(img, kSettingsCorner);
    return img;
}

// --- emblems and icon --------------------------------------------------------

QImage transparentCanvas(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Flattens a drawing onto pure white, the emblems' see-through colour. The
// edge is cut hard, so no half-white fringe shows once white is keyed out,
// and nothing inside may be pure white.
QImage keyedOnWhite(const QImage &layer)
{
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            QRgb v = kWhite;
            if (qAlpha(c) >= 128) {
                v = qRgb(qRed(c), qGreen(c), qBlue(c));
                if (v == kWhite)
                    v = qRgb(250, 250, 250);
            }
            out.setPixel(x, y, v);
        }
    }
    return out;
}

QImage drawEmblem(const Badge &b)
{
    QImage layer = transparentCanvas(64);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    drawBadge(p, QRectF(0, 0, 64, 64), b);
    p.end();
    return keyedOnWhite(layer);
}

QImage drawIcon(int size, bool flat = false)
{
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Flat fills are the 16-colour palette's red and teal.
    drawSplitBadge(p, QRectF(0, 0, size, size), flat, QColor(255, 0, 0), QColor(0, 128, 128));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// --- icon file ---------------------------------------------------------------

void put16(QByteArray &b, unsigned v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

std::vector<QRgb> iconPalette(int bpp)
{
    if (bpp == 4) {
        // The classic sixteen colours, which every 4-bit display shows unchanged.
        return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    }
    // A 6 x 6 x 6 colour cube and a ramp of 40 greys.
    std::vector<QRgb> pal;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                pal.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 40; ++i) {
        const int v = (i * 255) / 41;
        pal.push_back(qRgb(v, v, v));
    }
    return pal;
}

int nearestIndex(const std::vector<QRgb> &pal, QRgb c)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(pal.size()); ++i) {
        const long dr = qRed(c) - qRed(pal[i]);
        const long dg = qGreen(c) - qGreen(pal[i]);
        const long db = qBlue(c) - qBlue(pal[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// Palette index of every pixel; see-through pixels get index 0. With
// `dither`, each pixel's rounding error is spread to its unvisited
// neighbours (Floyd-Steinberg), so gradients do not turn into stripes.
std::vector<int> paletteIndices(const QImage &icon, const std::vector<QRgb> &pal, bool dither)
{
    const int w = icon.width();
    const int h = icon.height();
    std::vector<double> err(size_t(w * h * 3), 0.0);
    std::vector<int> out(size_t(w * h), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = icon.pixel(x, y);
            if (qAlpha(c) < 128)
                continue;
            const size_t at = size_t(y * w + x);
            const int want[3] = {qBound(0, int(std::lround(qRed(c) + err[at * 3])), 255),
                                 qBound(0, int(std::lround(qGreen(c) + err[at * 3 + 1])), 255),
                                 qBound(0, int(std::lround(qBlue(c) + err[at * 3 + 2])), 255)};
            const int index = nearestIndex(pal, qRgb(want[0], want[1], want[2]));
            out[at] = index;
            if (!dither)
                continue;
            const int got[3] = {qRed(pal[size_t(index)]), qGreen(pal[size_t(index)]),
                                qBlue(pal[size_t(index)])};
            const struct { int dx, dy; double share; } spread[] = {
                {1, 0, 7 / 16.0}, {-1, 1, 3 / 16.0}, {0, 1, 5 / 16.0}, {1, 1, 1 / 16.0}};
            for (const auto &s : spread) {
                const int nx = x + s.dx;
                const int ny = y + s.dy;
                if (nx < 0 || nx >= w || ny >= h || qAlpha(icon.pixel(nx, ny)) < 128)
                    continue;
                const size_t to = size_t(ny * w + nx);
                for (int k = 0; k < 3; ++k)
                    err[to * 3 + size_t(k)] += (want[k] - got[k]) * s.share;
            }
        }
    }
    return out;
}

// One icon image as a device-independent bitmap: header, palette, colour
// rows and see-through mask, rows stored bottom-up.
QByteArray iconBitmap(const QImage &icon, int bpp)
{
    const int w = icon.width();
    const int h = icon.height();
    const int colourStride = ((w * bpp + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    const std::vector<QRgb> pal = bpp < 32 ? iconPalette(bpp) : std::vector<QRgb>();

    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h)); // colour rows and mask rows together
    put16(out, 1);
    put16(out, unsigned(bpp));
    put32(out, 0);
    put32(out, quint32((colourStride + maskStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (QRgb c : pal) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    const std::vector<int> indices = bpp < 32 ? paletteIndices(icon, pal, bpp == 8)
                                              : std::vector<int>();
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = icon.pixel(x, y);
            if (bpp == 32) {
                row[4 * x] = char(qBlue(c));
                row[4 * x + 1] = char(qGreen(c));
                row[4 * x + 2] = char(qRed(c));
                row[4 * x + 3] = char(qAlpha(c));
            } else if (bpp == 8) {
                row[x] = char(indices[y * w + x]);
            } else {
                const int index = indices[y * w + x];
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(icon.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

struct IconImage
{
    QImage full; // 32-bit and 256-colour entries
    QImage flat; // 16-colour entry
};

QByteArray iconFile(const std::vector<IconImage> &sizes)
{
    struct Entry
    {
        int size;
        int bpp;
        QByteArray bitmap;
    };
    std::vector<Entry> entries;
    for (const IconImage &img : sizes) {
        entries.push_back({img.full.width(), 32, iconBitmap(img.full, 32)});
        entries.push_back({img.full.width(), 8, iconBitmap(img.full, 8)});
        entries.push_back({img.flat.width(), 4, iconBitmap(img.flat, 4)});
    }

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, unsigned(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (const Entry &e : entries) {
        out.append(char(e.size));
        out.append(char(e.size));
        out.append(char(e.bpp == 4 ? 16 : 0));
        out.append(char(0));
        put16(out, 1);
        put16(out, unsigned(e.bpp));
        put32(out, quint32(e.bitmap.size()));
        put32(out, offset);
        offset += quint32(e.bitmap.size());
    }
    for (const Entry &e : entries)
        out.append(e.bitmap);
    return out;
}

// --- output --------------------------------------------------------------------

bool saveFile(const QByteArray &data, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        std::fprintf(stderr, "draw_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void put32BigEndian(QByteArray &b, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        b += char((v >> shift) & 0xff);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffff;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void putChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    put32BigEndian(png, quint32(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    png += body;
    put32BigEndian(png, crc32(body));
}

// A PNG whose rows are stored unfiltered: the programs decode it at every
// start, and undoing the row filters Qt's writer picks costs more there than
// it saves in bytes. Pictures without alpha are written as 24-bit RGB.
bool savePng(const QImage &img, const QDir &dir, const QString &name)
{
    const bool alpha = img.hasAlphaChannel();
    const QImage rows = img.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(rows.width()) * (alpha ? 4 : 3);
    QByteArray raw;
    raw.reserve((rowBytes + 1) * rows.height());
    for (int y = 0; y < rows.height(); ++y) {
        raw += '\0';  // filter type None
        raw.append(reinterpret_cast<const char *>(rows.constScanLine(y)), rowBytes);
    }

    QByteArray header;
    put32BigEndian(header, quint32(rows.width()));
    put32BigEndian(header, quint32(rows.height()));
    header += char(8);               // bits per sample
    header += char(alpha ? 6 : 2);   // RGBA or RGB
    header += QByteArray(3, '\0');   // deflate, no filter choice, no interlace
    QByteArray density;
    put32BigEndian(density, quint32(img.dotsPerMeterX()));
    put32BigEndian(density, quint32(img.dotsPerMeterY()));
    density += char(1);              // per metre

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    putChunk(png, "IHDR", header);
    putChunk(png, "pHYs", density);
    putChunk(png, "IDAT", qCompress(raw, 9).mid(4));  // a zlib stream, after Qt's length prefix
    putChunk(png, "IEND", QByteArray());
    return saveFile(png, dir, name);
}

} // namespace

int main(int argc, char **argv)
{
    // Painting needs a GUI application object, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_art <output folder>\n");
        return 2;
    }
    const QDir dir(args[1]);
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "draw_art: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    const QImage icon16 = drawIcon(16);
    const QImage icon32 = drawIcon(32);
    const QImage icon48 = drawIcon(48);

    // Skins and emblems are 24-bit pictures without alpha; the icons keep theirs.
    bool ok = savePng(drawMainSkin().convertToFormat(QImage::Format_RGB888), dir,
                      "main_background.png");
    ok = savePng(drawSettingsSkin().convertToFormat(QImage::Format_RGB888), dir,
                 "settings_background.png") && ok;
    ok = savePng(drawEmblem(kCps3Badge).convertToFormat(QImage::Format_RGB888), dir,
                 "cps3_emblem.png") && ok;
    ok = savePng(drawEmblem(kModel2Badge).convertToFormat(QImage::Format_RGB888), dir,
                 "model2_emblem.png") && ok;
    ok = savePng(icon16, dir, "icon_16.png") && ok;
    ok = savePng(icon32, dir, "icon_32.png") && ok;
    ok = savePng(icon48, dir, "icon_48.png") && ok;
    // For desktops that show large icons; installed only, not built in.
    ok = savePng(drawIcon(256), dir, "icon_256.png") && ok;
    std::vector<IconImage> icons;
    for (const QImage &full : {icon16, icon32, icon48})
        icons.push_back(IconImage{full, drawIcon(full.width(), true)});
    ok = saveFile(iconFile(icons), dir, "dravomel.ico") && ok;
    return ok ? 0 : 1;
}
