// Draws the state pictures of the two-state button (TOnOffBut) and writes one
// PNG strip per style into the directory given as the argument:
//
//   vok_make_pictures <repo>/resources/bitmaps
//
// A strip is a 2 x 2 grid of equal cells: top row enabled, bottom row
// disabled; left column on, right column off. Background pixels have the key
// color RGB(235, 190, 235). Pictures are drawn antialiased on a transparent
// cell; half-covered edge pixels are blended over a neutral light gray, fully
// uncovered ones become the key color. The disabled row is the enabled one
// turned gray and faded.
#include <QColor>
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

const QColor Key(235, 190, 235);
const QColor EdgeBlend(224, 224, 224);

using Painter = std::function<void(QPainter& P, double W, double H, bool On)>;

QColor Lit(const QColor& C, int Percent) { return C.lighter(Percent); }

void Pen(QPainter& P, const QColor& C, double Width)
{
    P.setPen(QPen(C, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A glossy sphere (LED, knob) of color C centred on (X, Y).
void Sphere(QPainter& P, double X, double Y, double R, const QColor& C, bool Lamp)
{
    QRadialGradient G(X - R * 0.35, Y - R * 0.4, R * 1.4);
    G.setColorAt(0, Lamp ? Lit(C, 170) : Lit(C, 130));
    G.setColorAt(0.55, C);
    G.setColorAt(1, C.darker(180));
    Pen(P, C.darker(230), 1);
    P.setBrush(G);
    P.drawEllipse(QPointF(X, Y), R, R);
    QRadialGradient Shine(X - R * 0.3, Y - R * 0.45, R * 0.55);
    Shine.setColorAt(0, QColor(255, 255, 255, Lamp ? 230 : 150));
    Shine.setColorAt(1, QColor(255, 255, 255, 0));
    P.setPen(Qt::NoPen);
    P.setBrush(Shine);
    P.drawEllipse(QPointF(X - R * 0.3, Y - R * 0.42), R * 0.5, R * 0.38);
}

// A raised metallic face over the rectangle R.
void Metal(QPainter& P, const QRectF& R, double Radius, bool Horizontal)
{
    QLinearGradient G(R.topLeft(), Horizontal ? R.bottomLeft() : R.topRight());
    G.setColorAt(0, QColor(250, 250, 250));
    G.setColorAt(0.5, QColor(214, 216, 220));
    G.setColorAt(1, QColor(168, 171, 178));
    Pen(P, QColor(96, 100, 108), 1);
    P.setBrush(G);
    P.drawRoundedRect(R, Radius, Radius);
}

void CheckBox(QPainter& P, double W, double H, bool On)
{
    const QRectF Box(1.5, 1.5, W - 3, H - 3);
    QLinearGradient G(Box.topLeft(), Box.bottomLeft());
    G.setColorAt(0, QColor(238, 240, 244));
    G.setColorAt(1, Qt::white);
    Pen(P, QColor(90, 104, 122), 1);
    P.setBrush(G);
    P.drawRoundedRect(Box, 2, 2);
    if (On) {
        Pen(P, QColor(28, 104, 200), 2.2);
        P.setBrush(Qt::NoBrush);
        QPainterPath Mark(QPointF(W * 0.26, H * 0.53));
        Mark.lineTo(W * 0.43, H * 0.71);
        Mark.lineTo(W * 0.76, H * 0.29);
        P.drawPath(Mark);
    }
}

void RadioButton(QPainter& P, double W, double H, bool On)
{
    const QPointF C(W / 2, H / 2);
    QLinearGradient G(0, 0, 0, H);
    G.setColorAt(0, QColor(236, 238, 242));
    G.setColorAt(1, Qt::white);
    Pen(P, QColor(90, 104, 122), 1);
    P.setBrush(G);
    P.drawEllipse(C, W / 2 - 0.7, H / 2 - 0.7);
    if (On) {
        P.setPen(Qt::NoPen);
        QRadialGradient Dot(C.x() - 1, C.y() - 1, W * 0.3);
        Dot.setColorAt(0, QColor(90, 160, 240));
        Dot.setColorAt(1, QColor(20, 90, 190));
        P.setBrush(Dot);
        P.drawEllipse(C, W * 0.22, H * 0.22);
    }
}

// A knob sliding in a dark slot: to the top (vertical) or right end when on.
void Slide(QPainter& P, double W, double H, bool On)
{
    const bool Vertical = H > W;
    const QRectF Slot = Vertical ? QRectF(W / 2 - 3, 2, 6, H - 4) : QRectF(2, H / 2 - 3, W - 4, 6);
    Pen(P, QColor(40, 40, 44), 1);
    P.setBrush(QColor(70, 72, 78));
    P.drawRoundedRect(Slot, 3, 3);
    const double Len = (Vertical ? H : W) * 0.45;
    const double Pos = On ? (Vertical ? 1.5 : W - Len - 1.5) : (Vertical ? H - Len - 1.5 : 1.5);
    const QRectF Knob = Vertical ? QRectF(1.5, Pos, W - 3, Len) : QRectF(Pos, 1.5, Len, H - 3);
    Metal(P, Knob, 2.5, Vertical);
    Pen(P, QColor(120, 124, 132), 1);
    for (int I = -1; I <= 1; ++I) {
        const QPointF M = Knob.center();
        if (Vertical)
            P.drawLine(QPointF(Knob.left() + 3.5, M.y() + I * 3), QPointF(Knob.right() - 3.5, M.y() + I * 3));
        else
            P.drawLine(QPointF(M.x() + I * 3, Knob.top() + 3.5), QPointF(M.x() + I * 3, Knob.bottom() - 3.5));
    }
}

// A pill-shaped switch: green with the knob at the top or right when on,
// red with the knob at the other end when off.
void ColorSlide(QPainter& P, double W, double H, bool On)
{
    const bool Vertical = H > W;
    const QRectF Track(1, 1, W - 2, H - 2);
    const double R = (Vertical ? W : H) / 2 - 1;
    const QColor C = On ? QColor(46, 170, 74) : QColor(212, 64, 58);
    QLinearGradient G(Track.topLeft(), Vertical ? Track.topRight() : Track.bottomLeft());
    G.setColorAt(0, C.darker(125));
    G.setColorAt(0.4, C);
    G.setColorAt(1, Lit(C, 118));
    Pen(P, C.darker(170), 1);
    P.setBrush(G);
    P.drawRoundedRect(Track, R, R);
    const double KnobR = R - 1.5;
    const double Along = On ? (Vertical ? 1 + R : W - 1 - R) : (Vertical ? H - 1 - R : 1 + R);
    const QPointF K = Vertical ? QPointF(W / 2, Along) : QPointF(Along, H / 2);
    QRadialGradient Kg(K.x() - KnobR * 0.3, K.y() - KnobR * 0.4, KnobR * 1.5);
    Kg.setColorAt(0, Qt::white);
    Kg.setColorAt(1, QColor(204, 206, 210));
    Pen(P, QColor(120, 120, 124), 1);
    P.setBrush(Kg);
    P.drawEllipse(K, KnobR, KnobR);
}

void LedRedGreen(QPainter& P, double W, double H, bool On)
{
    Sphere(P, W / 2, H / 2, W / 2 - 0.8, On ? QColor(40, 200, 60) : QColor(220, 40, 36), true);
}

// An arrow pointing at Angle degrees (0 = right, 90 = up).
void Arrow(QPainter& P, double W, double H, double Angle, const QColor& C)
{
    P.save();
    P.translate(W / 2, H / 2);
    P.rotate(-Angle);
    const double S = W / 2 - 1.5;
    QPainterPath A;
    A.moveTo(S, 0);
    A.lineTo(0, -S);
    A.lineTo(0, -S * 0.42);
    A.lineTo(-S, -S * 0.42);
    A.lineTo(-S, S * 0.42);
    A.lineTo(0, S * 0.42);
    A.lineTo(0, S);
    A.closeSubpath();
    QLinearGradient G(0, -S, 0, S);
    G.setColorAt(0, Lit(C, 135));
    G.setColorAt(1, C.darker(130));
    Pen(P, C.darker(190), 1);
    P.setBrush(G);
    P.drawPath(A);
    P.restore();
}

const QColor ArrowOn(48, 168, 72);
const QColor ArrowOff(206, 62, 52);

void ArrowTopRight(QPainter& P, double W, double H, bool On) { Arrow(P, W, H, On ? 90 : 0, On ? ArrowOn : ArrowOff); }
void ArrowUpDown(QPainter& P, double W, double H, bool On) { Arrow(P, W, H, On ? 90 : 270, On ? ArrowOn : ArrowOff); }
void ArrowLeftRight(QPainter& P, double W, double H, bool On) { Arrow(P, W, H, On ? 180 : 0, On ? ArrowOn : ArrowOff); }

// A pedestrian light: a walking green figure when on, a standing red one when off.
void TrafficLight(QPainter& P, double W, double H, bool On)
{
    Pen(P, QColor(20, 20, 20), 1);
    P.setBrush(QColor(48, 50, 54));
    P.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 4, 4);
    const QRectF Lens(3.5, 3.5, W - 7, H - 7);
    const QColor C = On ? QColor(60, 230, 110) : QColor(250, 60, 50);
    QRadialGradient Glow(Lens.center(), Lens.width() * 0.7);
    Glow.setColorAt(0, C.darker(300));
    Glow.setColorAt(1, QColor(12, 12, 14));
    P.setPen(Qt::NoPen);
    P.setBrush(Glow);
    P.drawRoundedRect(Lens, 2, 2);
    const double Cx = W / 2, U = H / 31.0;
    P.setBrush(C);
    P.drawEllipse(QPointF(Cx + (On ? 1 : 0) * U, 8 * U), 2.3 * U, 2.3 * U);
    Pen(P, C, 2.6 * U);
    P.setBrush(Qt::NoBrush);
    if (On) { // walking: body leaning, legs and arms apart
        P.drawLine(QPointF(Cx + 0.5 * U, 12 * U), QPointF(Cx - 0.5 * U, 18.5 * U));
        P.drawLine(QPointF(Cx - 0.5 * U, 18.5 * U), QPointF(Cx - 4.5 * U, 25 * U));
        P.drawLine(QPointF(Cx - 0.5 * U, 18.5 * U), QPointF(Cx + 3.5 * U, 25 * U));
        P.drawLine(QPointF(Cx + 0.3 * U, 13 * U), QPointF(Cx - 4 * U, 17 * U));
        P.drawLine(QPointF(Cx + 0.3 * U, 13 * U), QPointF(Cx + 4 * U, 16.5 * U));
    } else { // standing: arms down, legs together
        P.setPen(Qt::NoPen);
        P.setBrush(C);
        P.drawRoundedRect(QRectF(Cx - 3.2 * U, 11 * U, 6.4 * U, 8.5 * U), 1.5 * U, 1.5 * U);
        P.drawRect(QRectF(Cx - 2.6 * U, 19 * U, 2.2 * U, 7 * U));
        P.drawRect(QRectF(Cx + 0.4 * U, 19 * U, 2.2 * U, 7 * U));
    }
}

void BeveledLed(QPainter& P, double W, double H, bool On)
{
    QLinearGradient Bevel(0, 0, W, H);
    Bevel.setColorAt(0, QColor(250, 250, 250));
    Bevel.setColorAt(1, QColor(110, 112, 118));
    Pen(P, QColor(90, 92, 98), 1);
    P.setBrush(Bevel);
    P.drawEllipse(QPointF(W / 2, H / 2), W / 2 - 0.6, H / 2 - 0.6);
    Sphere(P, W / 2, H / 2, W / 2 - 3.2, On ? QColor(236, 36, 30) : QColor(110, 24, 22), On);
}

void Smiley(QPainter& P, double W, double H, bool On, const QColor& Face)
{
    const QPointF C(W / 2, H / 2);
    const double R = W / 2 - 0.8;
    QRadialGradient G(C.x() - R * 0.3, C.y() - R * 0.35, R * 1.5);
    G.setColorAt(0, Lit(Face, 125));
    G.setColorAt(1, Face.darker(125));
    Pen(P, Face.darker(260), 1);
    P.setBrush(G);
    P.drawEllipse(C, R, R);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(30, 30, 30));
    P.drawEllipse(QPointF(C.x() - R * 0.36, C.y() - R * 0.25), R * 0.12, R * 0.17);
    P.drawEllipse(QPointF(C.x() + R * 0.36, C.y() - R * 0.25), R * 0.12, R * 0.17);
    Pen(P, QColor(30, 30, 30), std::max(1.2, R * 0.14));
    P.setBrush(Qt::NoBrush);
    const QRectF Mouth(C.x() - R * 0.52, On ? C.y() - R * 0.3 : C.y() + R * 0.3, R * 1.04, R * 0.9);
    P.drawArc(Mouth, On ? 200 * 16 : 20 * 16, 140 * 16);
}

void SmileyYellow(QPainter& P, double W, double H, bool On) { Smiley(P, W, H, On, QColor(250, 210, 40)); }
void SmileyRedGreen(QPainter& P, double W, double H, bool On)
{
    Smiley(P, W, H, On, On ? QColor(90, 200, 80) : QColor(236, 84, 70));
}

void Bulb(QPainter& P, double W, double H, bool On)
{
    const double Cx = W / 2, R = W / 2 - 4;
    const double Cy = R + 2;
    if (On) { // the glow around the glass
        QRadialGradient Halo(Cx, Cy, R + 4);
        Halo.setColorAt(0.7, QColor(255, 230, 120, 160));
        Halo.setColorAt(1, QColor(255, 230, 120, 0));
        P.setPen(Qt::NoPen);
        P.setBrush(Halo);
        P.drawEllipse(QPointF(Cx, Cy), R + 4, R + 4);
    }
    QPainterPath Glass;
    Glass.addEllipse(QPointF(Cx, Cy), R, R);
    QPainterPath Neck;
    Neck.moveTo(Cx - R * 0.62, Cy + R * 0.78);
    Neck.quadTo(Cx - R * 0.42, Cy + R * 1.15, Cx - R * 0.42, H - 14);
    Neck.lineTo(Cx + R * 0.42, H - 14);
    Neck.quadTo(Cx + R * 0.42, Cy + R * 1.15, Cx + R * 0.62, Cy + R * 0.78);
    Neck.closeSubpath();
    Glass = Glass.united(Neck);
    QRadialGradient G(Cx - R * 0.3, Cy - R * 0.35, R * 1.6);
    G.setColorAt(0, On ? QColor(255, 255, 235) : QColor(250, 250, 252));
    G.setColorAt(0.6, On ? QColor(255, 226, 90) : QColor(214, 220, 228));
    G.setColorAt(1, On ? QColor(240, 170, 30) : QColor(160, 168, 180));
    Pen(P, On ? QColor(190, 130, 20) : QColor(110, 116, 126), 1);
    P.setBrush(G);
    P.drawPath(Glass);
    Pen(P, On ? QColor(255, 250, 220) : QColor(90, 90, 96), On ? 1.6 : 1.1);
    P.setBrush(Qt::NoBrush);
    QPainterPath Filament(QPointF(Cx - 3, H - 15));
    Filament.lineTo(Cx - 3, Cy + 2);
    for (int I = 0; I < 3; ++I)
        Filament.quadTo(Cx - 2 + I * 2, Cy - 3, Cx - 1 + I * 2, Cy + 2);
    Filament.lineTo(Cx + 3, H - 15);
    P.drawPath(Filament);
    // The screw base.
    const QRectF Base(Cx - R * 0.46, H - 14, R * 0.92, 10);
    Metal(P, Base, 1.5, false);
    Pen(P, QColor(110, 112, 118), 1);
    for (double Y = Base.top() + 2.5; Y < Base.bottom() - 1; Y += 2.5)
        P.drawLine(QPointF(Base.left() + 0.5, Y), QPointF(Base.right() - 0.5, Y + 1));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(60, 60, 64));
    P.drawRoundedRect(QRectF(Cx - R * 0.2, H - 4.5, R * 0.4, 3.5), 1.5, 1.5);
}

void ButtonLamp(QPainter& P, double W, double H, bool On)
{
    Metal(P, QRectF(0.5, 0.5, W - 1, H - 1), 3, true);
    const QRectF Lens(4.5, 4.5, W - 9, H - 9);
    const QColor C = On ? QColor(255, 170, 30) : QColor(120, 74, 20);
    QLinearGradient G(Lens.topLeft(), Lens.bottomLeft());
    G.setColorAt(0, On ? QColor(255, 240, 190) : C.darker(120));
    G.setColorAt(0.45, C);
    G.setColorAt(1, C.darker(150));
    Pen(P, QColor(60, 40, 20), 1);
    P.setBrush(G);
    P.drawRoundedRect(Lens, 2, 2);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(255, 255, 255, On ? 120 : 50));
    P.drawRoundedRect(QRectF(Lens.left() + 2, Lens.top() + 1.5, Lens.width() - 4, Lens.height() * 0.35), 1.5, 1.5);
}

// A disk drive front with its activity lamp at the left or right end.
void DiskLamp(QPainter& P, double W, double H, bool On, bool LampLeft)
{
    Metal(P, QRectF(0.5, 1.5, W - 1, H - 3), 2.5, true);
    const double LampX = LampLeft ? 4 : W - 14;
    const QRectF Lamp(LampX + 0.5, H / 2 - 2.5, 9, 5);
    const QColor C = On ? QColor(70, 240, 90) : QColor(30, 80, 36);
    if (On) {
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(120, 255, 130, 90));
        P.drawRoundedRect(Lamp.adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    }
    QLinearGradient G(Lamp.topLeft(), Lamp.bottomLeft());
    G.setColorAt(0, On ? QColor(210, 255, 210) : Lit(C, 130));
    G.setColorAt(1, C);
    Pen(P, QColor(20, 50, 24), 1);
    P.setBrush(G);
    P.drawRoundedRect(Lamp, 1.5, 1.5);
    // The slot of the drive.
    const double SlotL = LampLeft ? 17 : 4;
    Pen(P, QColor(70, 72, 78), 1);
    P.setBrush(QColor(40, 42, 46));
    P.drawRoundedRect(QRectF(SlotL + 0.5, H / 2 - 1.5, W - 21 - 0.5, 3), 1.5, 1.5);
}

void DiskLeft(QPainter& P, double W, double H, bool On) { DiskLamp(P, W, H, On, true); }
void DiskRight(QPainter& P, double W, double H, bool On) { DiskLamp(P, W, H, On, false); }

// User picture 1: a power symbol, green when on.
void Power(QPainter& P, double W, double H, bool On)
{
    const QColor C = On ? QColor(40, 170, 70) : QColor(120, 124, 130);
    Pen(P, C, 2.6);
    P.setBrush(Qt::NoBrush);
    const QRectF Ring(W * 0.2, H * 0.22, W * 0.6, H * 0.6);
    P.drawArc(Ring, 60 * 16, -300 * 16); // open at the top
    P.drawLine(QPointF(W / 2, H * 0.12), QPointF(W / 2, H * 0.5));
}

// User picture 2: a padlock, closed when on.
void Padlock(QPainter& P, double W, double H, bool On)
{
    Pen(P, QColor(90, 94, 102), 2.4);
    P.setBrush(Qt::NoBrush);
    const QRectF Shackle(W * 0.3, H * 0.1, W * 0.4, H * 0.5);
    if (On)
        P.drawArc(Shackle, 0, 180 * 16);
    else
        P.drawArc(Shackle.translated(W * 0.2, -H * 0.02), 0, 180 * 16);
    P.drawLine(QPointF(W * 0.3, H * 0.35), QPointF(W * 0.3, H * 0.48));
    if (On)
        P.drawLine(QPointF(W * 0.7, H * 0.35), QPointF(W * 0.7, H * 0.48));
    QLinearGradient G(0, H * 0.45, 0, H);
    G.setColorAt(0, On ? QColor(250, 200, 60) : QColor(230, 230, 234));
    G.setColorAt(1, On ? QColor(200, 140, 20) : QColor(170, 174, 182));
    Pen(P, On ? QColor(140, 96, 10) : QColor(100, 104, 112), 1);
    P.setBrush(G);
    P.drawRoundedRect(QRectF(W * 0.18, H * 0.45, W * 0.64, H * 0.48), 2.5, 2.5);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(60, 50, 30));
    P.drawEllipse(QPointF(W / 2, H * 0.64), 1.8, 1.8);
    P.drawRect(QRectF(W / 2 - 0.8, H * 0.66, 1.6, H * 0.14));
}

// User picture 3: a loudspeaker with sound waves when on, crossed out when off.
void Speaker(QPainter& P, double W, double H, bool On)
{
    QPainterPath Body(QPointF(W * 0.1, H * 0.38));
    Body.lineTo(W * 0.28, H * 0.38);
    Body.lineTo(W * 0.5, H * 0.16);
    Body.lineTo(W * 0.5, H * 0.84);
    Body.lineTo(W * 0.28, H * 0.62);
    Body.lineTo(W * 0.1, H * 0.62);
    Body.closeSubpath();
    Pen(P, QColor(40, 44, 52), 1);
    P.setBrush(On ? QColor(70, 110, 190) : QColor(130, 134, 142));
    P.drawPath(Body);
    P.setBrush(Qt::NoBrush);
    if (On) {
        Pen(P, QColor(70, 110, 190), 1.8);
        P.drawArc(QRectF(W * 0.42, H * 0.32, W * 0.24, H * 0.36), -50 * 16, 100 * 16);
        P.drawArc(QRectF(W * 0.36, H * 0.18, W * 0.48, H * 0.64), -50 * 16, 100 * 16);
    } else {
        Pen(P, QColor(200, 50, 44), 2);
        P.drawLine(QPointF(W * 0.62, H * 0.36), QPointF(W * 0.88, H * 0.64));
        P.drawLine(QPointF(W * 0.62, H * 0.64), QPointF(W * 0.88, H * 0.36));
    }
}

// User picture 4: an eye, open when on, closed when off.
void Eye(QPainter& P, double W, double H, bool On)
{
    QPainterPath Lid(QPointF(W * 0.06, H / 2));
    Lid.quadTo(W / 2, H * (On ? 0.08 : 0.5), W * 0.94, H / 2);
    Lid.quadTo(W / 2, H * 0.92, W * 0.06, H / 2);
    Pen(P, QColor(40, 44, 52), 1.4);
    if (On) {
        P.setBrush(Qt::white);
        P.drawPath(Lid);
        QRadialGradient Iris(W / 2 - 1, H / 2 - 1, W * 0.2);
        Iris.setColorAt(0, QColor(90, 170, 230));
        Iris.setColorAt(1, QColor(30, 90, 160));
        P.setBrush(Iris);
        P.drawEllipse(QPointF(W / 2, H / 2), W * 0.17, W * 0.17);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(20, 20, 24));
        P.drawEllipse(QPointF(W / 2, H / 2), W * 0.07, W * 0.07);
    } else { // the closed lid: a curve with lashes below
        QPainterPath Closed(QPointF(W * 0.08, H * 0.45));
        Closed.quadTo(W / 2, H * 0.78, W * 0.92, H * 0.45);
        P.setBrush(Qt::NoBrush);
        Pen(P, QColor(40, 44, 52), 1.6);
        P.drawPath(Closed);
        Pen(P, QColor(40, 44, 52), 1.2);
        for (double X : {0.3, 0.5, 0.7})
            P.drawLine(QPointF(W * X, H * 0.6), QPointF(W * (X + (X - 0.5) * 0.4), H * 0.78));
    }
}

// User picture 5: a star, filled gold when on, an outline when off.
void Star(QPainter& P, double W, double H, bool On)
{
    QPainterPath S;
    for (int I = 0; I < 10; ++I) {
        const double A = -std::numbers::pi / 2 + I * std::numbers::pi / 5;
        const double R = (I % 2 ? 0.42 : 1.0) * (W / 2 - 1.2);
        const QPointF Pt(W / 2 + R * std::cos(A), H / 2 + 0.6 + R * std::sin(A));
        if (I == 0)
            S.moveTo(Pt);
        else
            S.lineTo(Pt);
    }
    S.closeSubpath();
    if (On) {
        QLinearGradient G(0, 0, 0, H);
        G.setColorAt(0, QColor(255, 230, 90));
        G.setColorAt(1, QColor(230, 150, 20));
        Pen(P, QColor(170, 100, 10), 1);
        P.setBrush(G);
    } else {
        Pen(P, QColor(110, 114, 122), 1.3);
        P.setBrush(Qt::NoBrush);
    }
    P.drawPath(S);
}

// One cell: drawn on a transparent picture, then flattened onto the key color.
QImage Cell(const Painter& Draw, int W, int H, bool On)
{
    QImage Art(W, H, QImage::Format_ARGB32);
    Art.fill(Qt::transparent);
    {
        QPainter P(&Art);
        P.setRenderHint(QPainter::Antialiasing);
        Draw(P, W, H, On);
    }
    QImage Out(W, H, QImage::Format_RGB32);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
            const QColor A = QColor::fromRgba(Art.pixel(X, Y));
            QColor C = Key;
            if (A.alpha() >= 24) {
                const double F = A.alphaF();
                C = QColor(int(std::lround(A.red() * F + EdgeBlend.red() * (1 - F))),
                           int(std::lround(A.green() * F + EdgeBlend.green() * (1 - F))),
                           int(std::lround(A.blue() * F + EdgeBlend.blue() * (1 - F))));
                if (C == Key) // a picture pixel never reads as background
                    C = QColor(Key.red() - 1, Key.green(), Key.blue());
            }
            Out.setPixel(X, Y, C.rgb());
        }
    return Out;
}

// The disabled look: gray, low in contrast and light.
QImage Disabled(const QImage& Enabled)
{
    QImage Out = Enabled;
    for (int Y = 0; Y < Out.height(); ++Y)
        for (int X = 0; X < Out.width(); ++X) {
            const QColor C = Out.pixelColor(X, Y);
            if (C == Key)
                continue;
            const int Gray = qGray(C.rgb());
            const int V = std::clamp(int(std::lround(158 + (Gray - 128) * 0.45)), 0, 255);
            Out.setPixelColor(X, Y, QColor(V, V, V));
        }
    return Out;
}

bool WriteStrip(const QDir& Dir, const char* Name, int W, int H, const Painter& Draw)
{
    QImage Strip(2 * W, 2 * H, QImage::Format_RGB32);
    QPainter P(&Strip);
    for (bool On : {true, false}) {
        const QImage Enabled = Cell(Draw, W, H, On);
        const int X = On ? 0 : W;
        P.drawImage(X, 0, Enabled);
        P.drawImage(X, H, Disabled(Enabled));
    }
    P.end();
    const QString File = Dir.filePath(QString::fromLatin1(Name) + QStringLiteral(".png"));
    if (!Strip.save(File, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    const QDir Dir(QString::fromLocal8Bit(argv[1]));
    struct Entry
    {
        const char* Name;
        int W, H; // one cell
        Painter Draw;
    };
    const Entry Entries[] = {
        {"CHECKBOX", 16, 16, CheckBox},
        {"RADIOBUT", 14, 14, RadioButton},
        {"SLIDETOPBOT", 18, 30, Slide},
        {"SLIDELFTRGT", 30, 18, Slide},
        {"COLSLIDETB", 18, 30, ColorSlide},
        {"COLSLIDELR", 30, 18, ColorSlide},
        {"LEDREDGREEN", 14, 14, LedRedGreen},
        {"ARROWTR", 25, 25, ArrowTopRight},
        {"ARROWUD", 25, 25, ArrowUpDown},
        {"ARROWLR", 25, 25, ArrowLeftRight},
        {"TRAFFICLGT", 31, 31, TrafficLight},
        {"BEVELEDLED", 17, 17, BeveledLed},
        {"SMILEYS", 18, 18, SmileyYellow},
        {"SMILEYRG", 18, 18, SmileyRedGreen},
        {"BULB", 39, 49, Bulb},
        {"BUTLAMP", 49, 24, ButtonLamp},
        {"HDLEFT", 48, 16, DiskLeft},
        {"HDRIGHT", 48, 16, DiskRight},
        {"USER1", 24, 24, Power},
        {"USER2", 24, 24, Padlock},
        {"USER3", 24, 24, Speaker},
        {"USER4", 24, 24, Eye},
        {"USER5", 24, 24, Star},
    };
    bool Ok = true;
    for (const Entry& E : Entries)
        Ok = WriteStrip(Dir, E.Name, E.W, E.H, E.Draw) && Ok;
    return Ok ? 0 : 1;
}
