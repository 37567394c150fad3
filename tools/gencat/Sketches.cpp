#include "Sketches.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <functional>
#include <map>

#include "text/Cp1251.h"

namespace gencat {
namespace {

const QColor kInk(20, 40, 90);
const QColor kSteel(190, 198, 210);
const QColor kSteelLight(225, 230, 238);
const QColor kSteelDark(140, 150, 168);

// Drawing area: the picture without the caption band, in a 100 × 75 unit box scaled to fit.
struct Canvas {
    QPainter& p;
    QRectF area;
    QPointF at(double x, double y) const {
        return {area.left() + x * area.width() / 100.0, area.top() + y * area.height() / 75.0};
    }
    double unit() const { return area.width() / 100.0; }
    QPolygonF poly(std::initializer_list<std::pair<double, double>> pts) const {
        QPolygonF out;
        for (auto& [x, y] : pts) out << at(x, y);
        return out;
    }
    void pen(double width = 0.5, QColor c = kInk) {
        p.setPen(QPen(c, width * unit(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void fill(QColor c) { p.setBrush(c); }
    void line(double x1, double y1, double x2, double y2) { p.drawLine(at(x1, y1), at(x2, y2)); }
    void shape(std::initializer_list<std::pair<double, double>> pts, QColor c) {
        fill(c);
        p.drawPolygon(poly(pts));
    }
    void ellipse(double cx, double cy, double rx, double ry, QColor c) {
        fill(c);
        p.drawEllipse(at(cx, cy), rx * unit(), ry * unit());
    }
    void rect(double x, double y, double w, double h, QColor c) {
        fill(c);
        p.drawRect(QRectF(at(x, y), at(x + w, y + h)));
    }
};

// A cross-section extruded along (dx, dy): faces first, then the front outline.
void extrude(Canvas& c, const std::vector<std::pair<double, double>>& section, double dx, double dy,
             bool closed) {
    c.pen(0.5);
    const size_t n = section.size();
    for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i) {
        auto [x1, y1] = section[i];
        auto [x2, y2] = section[(i + 1) % n];
        const bool lit = (x2 - x1) * dy - (y2 - y1) * dx < 0;
        c.shape({{x1, y1}, {x2, y2}, {x2 + dx, y2 + dy}, {x1 + dx, y1 + dy}}, lit ? kSteelLight : kSteel);
    }
    QPolygonF front;
    for (auto [x, y] : section) front << c.at(x, y);
    c.pen(0.8);
    if (closed) {
        c.fill(kSteelDark);
        c.p.drawPolygon(front);
    } else {
        c.p.drawPolyline(front);
    }
}

// Slots punched in the bottom of a channel: two rows along the extrusion, each slot a small parallelogram
// running with it.
void perforate(Canvas& c, double x0, double y0, double dx, double dy, int count, double across) {
    c.pen(0.3);
    const double len = 0.35 / count;
    for (int i = 1; i <= count; ++i) {
        const double t = static_cast<double>(i) / (count + 1);
        for (double off : {-across, across}) {
            const double x = x0 + off + dx * t, y = y0 + dy * t;
            c.shape({{x - 1.5, y}, {x + 1.5, y}, {x + 1.5 + dx * len, y + dy * len}, {x - 1.5 + dx * len, y + dy * len}},
                    kSteelDark);
        }
    }
}

void trayRolled(Canvas& c) {
    extrude(c, {{10, 38}, {10, 60}, {45, 60}, {45, 38}}, 45, -28, false);
    perforate(c, 27.5, 60, 45, -28, 6, 8);
    c.pen(0.8);
    c.line(10, 60, 45, 60);
}

void trayWire(Canvas& c) {
    c.pen(0.6);
    const double dx = 48, dy = -28;
    const std::vector<std::pair<double, double>> u = {{8, 36}, {8, 60}, {44, 60}, {44, 36}};
    for (int i = 0; i <= 8; ++i) {  // U-shaped wires across
        const double t = i / 8.0;
        QPolygonF w;
        for (auto [x, y] : u) w << c.at(x + dx * t, y + dy * t);
        c.p.setBrush(Qt::NoBrush);
        c.p.drawPolyline(w);
    }
    for (auto [x, y] : std::vector<std::pair<double, double>>{
             {8, 36}, {8, 48}, {8, 60}, {20, 60}, {32, 60}, {44, 60}, {44, 48}, {44, 36}})
        c.line(x, y, x + dx, y + dy);  // wires along
}

void trayLadder(Canvas& c) {
    const double dx = 50, dy = -30;
    extrude(c, {{8, 40}, {8, 54}, {10, 54}, {10, 40}}, dx, dy, true);
    for (int i = 0; i <= 6; ++i) {
        const double t = (i + 0.5) / 7.0;
        c.pen(0.4);
        c.shape({{10 + dx * t, 52 + dy * t},
                 {40 + dx * t, 52 + dy * t},
                 {41 + dx * t, 50 + dy * t},
                 {11 + dx * t, 50 + dy * t}},
                kSteelDark);
    }
    extrude(c, {{40, 40}, {40, 54}, {42, 54}, {42, 40}}, dx, dy, true);
}

void cover(Canvas& c) {
    extrude(c, {{10, 50}, {10, 46}, {46, 46}, {46, 50}}, 44, -26, false);
}

void coverCorner(Canvas& c) {
    c.pen(0.6);
    c.shape({{15, 20}, {40, 20}, {40, 45}, {85, 45}, {85, 65}, {15, 65}}, kSteelLight);
    c.pen(0.3);
    c.line(17, 22, 17, 63);
    c.line(17, 63, 83, 63);
}

void connectorPlate(Canvas& c) {
    c.pen(0.6);
    c.shape({{15, 25}, {85, 25}, {85, 50}, {15, 50}}, kSteelLight);
    c.shape({{15, 25}, {18, 22}, {88, 22}, {85, 25}}, kSteel);
    c.shape({{85, 25}, {88, 22}, {88, 47}, {85, 50}}, kSteelDark);
    for (double x : {25.0, 38.0, 62.0, 75.0}) c.ellipse(x, 37.5, 2.6, 2.6, Qt::white);
}

void connectorWire(Canvas& c) {
    c.pen(0.8);
    c.p.setBrush(Qt::NoBrush);
    c.line(10, 35, 90, 35);
    c.line(10, 50, 90, 50);
    c.shape({{40, 28}, {60, 28}, {60, 57}, {40, 57}}, kSteel);
    c.ellipse(50, 42.5, 5, 5, kSteelDark);
    c.ellipse(50, 42.5, 2, 2, Qt::white);
}

void corner(Canvas& c) {
    QPainterPath outer;
    outer.moveTo(c.at(8, 40));
    outer.lineTo(c.at(45, 40));
    outer.quadTo(c.at(58, 40), c.at(58, 27));
    outer.lineTo(c.at(58, 6));
    outer.lineTo(c.at(84, 6));
    outer.lineTo(c.at(84, 30));
    outer.quadTo(c.at(84, 66), c.at(48, 66));
    outer.lineTo(c.at(8, 66));
    outer.closeSubpath();
    c.pen(0.7);
    c.fill(kSteelLight);
    c.p.drawPath(outer);
    c.pen(0.35);
    c.p.setBrush(Qt::NoBrush);
    QPainterPath inner;  // the side walls seen from above
    inner.moveTo(c.at(8, 43));
    inner.lineTo(c.at(45, 43));
    inner.quadTo(c.at(61, 43), c.at(61, 27));
    inner.lineTo(c.at(61, 6));
    c.p.drawPath(inner);
    QPainterPath wall;
    wall.moveTo(c.at(81, 6));
    wall.lineTo(c.at(81, 30));
    wall.quadTo(c.at(81, 63), c.at(48, 63));
    wall.lineTo(c.at(8, 63));
    c.p.drawPath(wall);
}

void tee(Canvas& c) {
    c.pen(0.7);
    c.shape({{8, 40}, {38, 40}, {38, 10}, {62, 10}, {62, 40}, {92, 40}, {92, 62}, {8, 62}}, kSteelLight);
    c.pen(0.4);
    c.line(8, 51, 92, 51);
    c.line(50, 10, 50, 51);
}

void cross(Canvas& c) {
    c.pen(0.7);
    c.shape({{8, 28},
             {38, 28},
             {38, 5},
             {62, 5},
             {62, 28},
             {92, 28},
             {92, 50},
             {62, 50},
             {62, 72},
             {38, 72},
             {38, 50},
             {8, 50}},
            kSteelLight);
}

void transition(Canvas& c) {
    c.pen(0.7);
    c.shape({{8, 20}, {40, 20}, {62, 30}, {92, 30}, {92, 55}, {62, 55}, {40, 65}, {8, 65}}, kSteelLight);
    c.pen(0.4);
    c.line(40, 20, 40, 65);
    c.line(62, 30, 62, 55);
}

void endcap(Canvas& c) {
    extrude(c, {{25, 20}, {25, 60}, {75, 60}, {75, 20}, {72, 20}, {72, 57}, {28, 57}, {28, 20}}, 6, -4, true);
}

void hangerWall(Canvas& c) {
    c.pen(0.6);
    c.rect(8, 5, 6, 65, QColor(210, 200, 180));  // the wall
    c.shape({{14, 18}, {22, 18}, {22, 55}, {14, 55}}, kSteel);
    c.shape({{22, 30}, {85, 30}, {85, 36}, {22, 42}}, kSteelLight);
    for (double y : {24.0, 49.0}) c.ellipse(18, y, 1.8, 1.8, Qt::white);
    extrude(c, {{40, 22}, {40, 30}, {70, 30}, {70, 22}}, 8, -5, false);
}

void hangerCeiling(Canvas& c) {
    c.pen(0.6);
    c.rect(5, 2, 90, 6, QColor(210, 200, 180));  // the ceiling
    c.rect(40, 8, 20, 4, kSteel);
    c.rect(48.5, 12, 3, 38, kSteelDark);
    c.shape({{20, 50}, {80, 50}, {80, 56}, {20, 56}}, kSteelLight);
    extrude(c, {{28, 44}, {28, 50}, {70, 50}, {70, 44}}, 6, -4, false);
}

void support(Canvas& c) {
    c.pen(0.6);
    c.rect(5, 66, 90, 5, QColor(210, 200, 180));  // the floor
    c.rect(35, 62, 30, 4, kSteel);
    c.rect(47, 20, 6, 42, kSteelLight);
    c.shape({{20, 20}, {80, 20}, {80, 26}, {20, 26}}, kSteel);
}

void console(Canvas& c) {
    c.pen(0.6);
    c.shape({{10, 15}, {20, 15}, {20, 60}, {10, 60}}, kSteel);
    c.shape({{20, 25}, {90, 25}, {90, 33}, {20, 40}}, kSteelLight);
    for (int i = 0; i < 5; ++i) c.rect(30 + i * 12, 27.5, 5, 2.5, kSteelDark);
}

void stud(Canvas& c) {
    c.pen(0.5);
    c.rect(46, 5, 8, 65, kSteel);
    c.pen(0.3);
    for (double y = 7; y < 70; y += 2.5) c.line(46, y, 54, y + 1.2);
}

void profile(Canvas& c, bool cShape) {
    if (cShape)
        extrude(c, {{30, 30}, {12, 30}, {12, 55}, {30, 55}}, 50, -22, false);
    else
        extrude(c, {{12, 30}, {12, 55}, {32, 55}, {32, 30}, {28, 30}, {28, 34}}, 50, -22, false);
    perforate(c, 22, 55, 50, -22, 5, 5);
}

void tape(Canvas& c) {
    c.pen(0.6);
    c.ellipse(38, 38, 26, 26, kSteel);
    c.ellipse(38, 38, 21, 21, kSteelLight);
    c.ellipse(38, 38, 10, 10, Qt::white);
    c.shape({{60, 50}, {92, 50}, {92, 58}, {56, 58}}, kSteelLight);
    for (double x = 64; x < 90; x += 6) c.ellipse(x, 54, 1.4, 1.4, Qt::white);
}

void anchor(Canvas& c) {
    c.pen(0.5);
    c.rect(20, 33, 60, 9, kSteel);
    c.shape({{60, 31}, {80, 31}, {82, 44}, {58, 44}}, kSteelDark);  // the sleeve
    c.rect(14, 28, 6, 19, kSteelLight);
    c.pen(0.3);
    for (double x = 22; x < 58; x += 3) c.line(x, 33, x + 1.5, 42);
}

void bolt(Canvas& c) {
    c.pen(0.5);
    c.shape({{15, 25}, {28, 25}, {28, 50}, {15, 50}}, kSteelDark);
    c.rect(28, 32, 55, 11, kSteel);
    c.pen(0.3);
    for (double x = 45; x < 83; x += 3) c.line(x, 32, x + 1.5, 43);
}

void nut(Canvas& c) {
    c.pen(0.6);
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI / 3 * i;
        hex << c.at(50 + 22 * std::cos(a), 38 + 22 * std::sin(a) * 100.0 / 75.0 * 0.75);
    }
    c.fill(kSteel);
    c.p.drawPolygon(hex);
    c.ellipse(50, 38, 10, 10, Qt::white);
}

void washer(Canvas& c) {
    c.pen(0.6);
    c.ellipse(50, 38, 24, 24, kSteelLight);
    c.ellipse(50, 38, 10, 10, Qt::white);
}

void screw(Canvas& c) {
    c.pen(0.5);
    c.shape({{12, 26}, {22, 30}, {22, 46}, {12, 50}}, kSteelDark);
    c.shape({{22, 33}, {75, 33}, {88, 38}, {75, 43}, {22, 43}}, kSteel);
    c.pen(0.3);
    for (double x = 26; x < 76; x += 3.5) c.line(x, 33, x + 2, 43);
}

void plank(Canvas& c) {
    extrude(c, {{10, 45}, {10, 52}, {60, 52}, {60, 45}}, 20, -14, true);
    for (double x : {20.0, 50.0}) c.ellipse(x + 10, 41, 2, 2, Qt::white);
}

void clamp(Canvas& c) {
    c.pen(0.7);
    c.p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(c.at(20, 60));
    path.lineTo(c.at(20, 25));
    path.cubicTo(c.at(20, 10), c.at(80, 10), c.at(80, 25));
    path.lineTo(c.at(80, 60));
    c.p.setPen(QPen(kSteelDark, 5 * c.unit()));
    c.p.drawPath(path);
    c.pen(0.5);
    c.rect(12, 58, 16, 6, kSteel);
    c.rect(72, 58, 16, 6, kSteel);
}

void logo(Canvas& c) {
    c.pen(0.6);
    c.rect(10, 10, 80, 55, QColor(230, 236, 248));
    trayRolled(c);
}

void labelledBox(Canvas& c) {
    c.pen(0.6);
    extrude(c, {{20, 30}, {20, 60}, {60, 60}, {60, 30}}, 20, -15, true);
}

const std::map<std::string, std::function<void(Canvas&)>>& sketches() {
    static const std::map<std::string, std::function<void(Canvas&)>> table = {
        {"tray-rolled", trayRolled},
        {"tray-wire", trayWire},
        {"tray-ladder", trayLadder},
        {"cover", cover},
        {"cover-corner", coverCorner},
        {"connector", connectorPlate},
        {"connector-wire", connectorWire},
        {"corner", corner},
        {"tee", tee},
        {"cross", cross},
        {"transition", transition},
        {"endcap", endcap},
        {"hanger-wall", hangerWall},
        {"hanger-ceiling", hangerCeiling},
        {"support", support},
        {"console", console},
        {"stud", stud},
        {"profile", [](Canvas& c) { profile(c, false); }},
        {"profile-c", [](Canvas& c) { profile(c, true); }},
        {"tape", tape},
        {"anchor", anchor},
        {"bolt", bolt},
        {"nut", nut},
        {"washer", washer},
        {"screw", screw},
        {"plank", plank},
        {"clamp", clamp},
        {"logo", logo}};
    return table;
}

}  // namespace

std::string QtRenderer::render(const std::string& sketch, const std::string& caption, int width, int height,
                               const std::string& format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (sketch != "blank") {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const int band = caption.empty() ? 0 : std::max(16, height / 8);
        QLinearGradient sky(0, 0, 0, height - band);
        sky.setColorAt(0, QColor(246, 248, 252));
        sky.setColorAt(1, Qt::white);
        painter.fillRect(QRect(0, 0, width, height - band), sky);
        // Keep the 4:3 drawing box centred in what is left above the caption.
        double w = width - 16.0, h = height - band - 16.0;
        if (w * 0.75 > h) w = h / 0.75;
        h = w * 0.75;
        Canvas canvas{painter, QRectF((width - w) / 2, (height - band - h) / 2, w, h)};
        auto found = sketches().find(sketch);
        (found != sketches().end() ? found->second : labelledBox)(canvas);
        if (band) {
            painter.fillRect(QRect(0, height - band, width, band), QColor(20, 40, 90));
            QFont font("Arial");
            font.setPixelSize(band * 6 / 10);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QRect(4, height - band, width - 8, band), Qt::AlignCenter,
                             QString::fromStdString(brenvoll::text::toUtf8(caption)));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format == "bmp" ? "BMP" : "JPG", 88);
    return bytes.toStdString();
}

}  // namespace gencat
