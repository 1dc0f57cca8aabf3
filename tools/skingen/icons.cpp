// The application's ten 16 x 16 icons with alpha, by image-list index.
#include "icons.h"

#include <cmath>

namespace skingen {

namespace {

TPixelImage Blank() { return NewImage(16, 16, {0, 0, 0, 0}, vt::TPixelFormat::pf32bit); }
const TRect kAll16 = {0, 0, 16, 16};

// A round button: outlined disc with a vertical gradient.
void Disc(TPixelImage& img, uint32_t top, uint32_t bottom, uint32_t outline)
{
    PaintShape(img, kAll16, Hex(outline), EllipseShape(8, 8, 7.5, 7.5));
    PaintShapeVGradient(img, kAll16, Hex(top), Hex(bottom), EllipseShape(8, 8, 6.5, 6.5));
    PaintShape(img, kAll16, Hex(0xFFFFFF, 70), EllipseShape(8, 5.2, 4.6, 2.6));
}

TPixelImage FloppyDisk()
{
    TPixelImage img = Blank();
    DrawBox(img, {1, 1, 15, 15}, {Hex(0x4B88E0), Hex(0x2C61B4), Hex(0x1D4687), 1.5});
    Fill(img, {4, 2, 11, 6}, Hex(0xDDE3EA));
    Fill(img, {8, 3, 10, 5}, Hex(0x2C3A4E));
    Fill(img, {3, 8, 13, 14}, Hex(0xFFFFFF));
    HLine(img, 4, 12, 10, Hex(0xB6C2D1));
    HLine(img, 4, 12, 12, Hex(0xB6C2D1));
    return img;
}

TPixelImage WindowWithList()
{
    TPixelImage img = Blank();
    DrawBox(img, {1, 2, 15, 14}, {Hex(0xFFFFFF), Hex(0xF1F4F8), Hex(0x4A5260), 1});
    Fill(img, {2, 3, 14, 5}, Hex(0x3D7BD9));
    for (int k = 0; k < 3; ++k) {
        int y = 7 + 2 * k;
        Fill(img, {3, y, 5, y + 1}, Hex(0x3D7BD9));
        Fill(img, {6, y, k == 1 ? 11 : 13, y + 1}, Hex(0x7A8494));
    }
    return img;
}

TPixelImage Wrench()
{
    TPixelImage img = Blank();
    auto wrench = [](double grow) {
        Shape handle = SegmentShape(3.6, 12.4, 9.4, 6.6, 3.2 + 2 * grow);
        Shape head = EllipseShape(10.8, 5.2, 3.7 + grow, 3.7 + grow);
        Shape jaw = EllipseShape(12.9, 3.1, 2.0 - grow, 2.0 - grow);
        return Subtract(Union(handle, head), jaw);
    };
    PaintShape(img, kAll16, Hex(0x4B535E), wrench(0.7));
    PaintShapeVGradient(img, kAll16, Hex(0xC5CCD4), Hex(0x7D8692), wrench(0));
    PaintShape(img, kAll16, Hex(0x4B535E), EllipseShape(4.2, 11.8, 0.9, 0.9));
    return img;
}

TPixelImage Calendar()
{
    TPixelImage img = Blank();
    DrawBox(img, {1, 2, 15, 15}, {Hex(0xFFFFFF), Hex(0xF1F3F6), Hex(0x6B7482), 1.5});
    Fill(img, {2, 3, 14, 6}, Hex(0xD9363E));
    Fill(img, {4, 1, 5, 4}, Hex(0x3A414C));
    Fill(img, {11, 1, 12, 4}, Hex(0x3A414C));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col) {
            int x = 3 + 2 * col, y = 8 + 2 * row;
            bool today = row == 1 && col == 2;
            Fill(img, {x, y, x + 1, y + 1}, today ? Hex(0xD9363E) : Hex(0x8A93A0));
        }
    PaintShape(img, {7, 9, 10, 12}, Hex(0xD9363E, 90), RoundRectShape(7, 9, 10, 12, 0));
    return img;
}

Shape Star(double cx, double cy, double outer, double inner)
{
    std::vector<std::pair<double, double>> p;
    for (int i = 0; i < 10; ++i) {
        double a = -3.14159265 / 2 + i * 3.14159265 / 5;
        double r = i % 2 ? inner : outer;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return PolygonShape(p);
}

TPixelImage StarIcon()
{
    TPixelImage img = Blank();
    PaintShape(img, kAll16, Hex(0xB8740C), Star(8, 8.6, 8.0, 3.6));
    PaintShapeVGradient(img, kAll16, Hex(0xFFE27A), Hex(0xF2A21C), Star(8, 8.6, 6.7, 2.9));
    return img;
}

TPixelImage Gear()
{
    TPixelImage img = Blank();
    auto gear = [](double grow, double hole) {
        Shape s = EllipseShape(8, 8, 5.0 + grow, 5.0 + grow);
        for (int i = 0; i < 8; ++i) {
            double a = i * 3.14159265 / 4;
            s = Union(s, SegmentShape(8 + 4 * std::cos(a), 8 + 4 * std::sin(a), 8 + 6.6 * std::cos(a),
                                      8 + 6.6 * std::sin(a), 2.4 + 2 * grow));
        }
        return Subtract(s, EllipseShape(8, 8, hole, hole));
    };
    PaintShape(img, kAll16, Hex(0x4F5662), gear(0.6, 1.6));
    PaintShapeVGradient(img, kAll16, Hex(0xC4CAD2), Hex(0x858E9A), gear(0, 2.4));
    return img;
}

TPixelImage Information()
{
    TPixelImage img = Blank();
    Disc(img, 0x5AA6F0, 0x1E62C6, 0x17509F);
    PaintShape(img, kAll16, Hex(0xFFFFFF), EllipseShape(8, 4.6, 1.25, 1.25));
    Fill(img, {7, 7, 9, 12}, Hex(0xFFFFFF));
    Fill(img, {6, 7, 7, 8}, Hex(0xFFFFFF));
    Fill(img, {6, 11, 10, 12}, Hex(0xFFFFFF));
    return img;
}

TPixelImage Play()
{
    TPixelImage img = Blank();
    Disc(img, 0x55C872, 0x1D8A3C, 0x176E31);
    PaintShape(img, kAll16, Hex(0xFFFFFF), PolygonShape({{6.0, 4.6}, {6.0, 11.4}, {11.8, 8.0}}));
    return img;
}

TPixelImage Stop()
{
    TPixelImage img = Blank();
    Disc(img, 0xF2646A, 0xC3242D, 0x9E1C24);
    Fill(img, {5, 5, 11, 11}, Hex(0xFFFFFF));
    return img;
}

TPixelImage Return()
{
    TPixelImage img = Blank();
    Disc(img, 0x48BCCB, 0x137C8B, 0x0F6370);
    Shape head = PolygonShape({{3.2, 6.5}, {6.6, 3.6}, {6.6, 9.4}});
    Shape shaft = SegmentShape(6.0, 6.5, 9.0, 6.5, 1.8);
    Shape bend = [](double x, double y) {
        double d = std::hypot(x - 9.0, y - 9.0);
        return x >= 9.0 && std::fabs(d - 2.5) <= 0.9;
    };
    Shape tail = SegmentShape(9.0, 11.5, 6.2, 11.5, 1.8);
    PaintShape(img, kAll16, Hex(0xFFFFFF), Union(Union(head, shaft), Union(bend, tail)));
    return img;
}

} // namespace

std::vector<Icon> BuildIcons()
{
    return {{"icon0_floppy_disk.png", FloppyDisk()}, {"icon1_window_list.png", WindowWithList()},
            {"icon2_wrench.png", Wrench()},          {"icon3_calendar.png", Calendar()},
            {"icon4_star.png", StarIcon()},          {"icon5_gear.png", Gear()},
            {"icon6_information.png", Information()}, {"icon7_play.png", Play()},
            {"icon8_stop.png", Stop()},              {"icon9_return.png", Return()}};
}

} // namespace skingen
