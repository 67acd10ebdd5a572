#include <QImage>
#include <QPainter>

#include "edit/EditFixture.h"
#include "views/ViewPainter.h"

namespace fw {
namespace {

// Pictures of 100 x 100 pixels showing view coordinates -1.5..1.5: one model unit is 33.3
// pixels, the origin is at pixel (50, 50) and grid lines (spacing 1) fall on columns and
// rows 16.7, 50 and 83.3.
class Painting : public EditFixture {
protected:
    ViewState views;

    QImage Render(int view) {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::red);  // anything not painted stands out
        QPainter painter(&image);
        ViewPainter(M(), views).Paint(painter, view, ViewWindow{-1.5, -1.5, 3, 3}, image.size());
        return image;
    }

    // Pixel of a plane position (h right, v up).
    static QPoint At(double h, double v) {
        return QPoint(int((h + 1.5) * 100 / 3), int((-v + 1.5) * 100 / 3));
    }

    // True when a pixel within `radius` of `centre` is (or, with `is` false, is not) `rgb`.
    static bool Any(const QImage& image, QPoint centre, QRgb rgb, int radius, bool is = true) {
        for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
            for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
                if (image.valid(x, y) && (image.pixel(x, y) == rgb) == is) return true;
        return false;
    }
    static bool Has(const QImage& image, QPoint centre, int colour, int radius = 1) {
        const ViewRgb& c = ViewColours[colour];
        return Any(image, centre, qRgb(c.r, c.g, c.b), radius);
    }
    static bool Black(const QImage& image, QPoint p) {
        return !Any(image, p, qRgb(0, 0, 0), 1, false);
    }
    static bool AnyOf(const QImage& image, int colour) { return Has(image, {50, 50}, colour, 50); }

    // Polygon 0, current: (0,0,0), (1,0,0), (0,1,0); current point 0. Polygon 1: a
    // horizontal edge at v = 0.5 from h -1.3 to -0.2, away from the grid, top at (-0.7, 1.2).
    void Triangles() {
        MakePoints(0);
        for (QPointF p : {QPointF(0, 0), {1, 0}, {0, 1}, {-1.3, 0.5}, {-0.2, 0.5}, {-0.7, 1.2}})
            AddPoint(p.x(), p.y(), 0);
        AddPolygon({0, 1, 2});
        AddPolygon({3, 4, 5});
    }
    const QPoint edge = At(-0.75, 0.5);  // on polygon 1's horizontal edge
};

TEST_F(Painting, NewModelShowsGridAxesPointAndCurrentRing) {
    NewModel(M());
    QImage image = Render(VIEW_XY);
    EXPECT_EQ(image.pixel(99, 99), qRgb(0, 0, 0)) << "the whole surface is cleared";
    EXPECT_TRUE(Has(image, QPoint(17, 5), COLOUR_DIM));  // vertical grid line x = -1
    EXPECT_TRUE(Has(image, QPoint(5, 50), COLOUR_DIM));  // axis
    EXPECT_TRUE(Has(image, QPoint(50, 50), COLOUR_POINT, 3));
    EXPECT_TRUE(Has(image, QPoint(50, 50), COLOUR_CURRENT_POINT, 4));
    for (int c : {COLOUR_EDGE, COLOUR_CURRENT_POLYGON, COLOUR_NORMAL, COLOUR_MARKED, COLOUR_ORDER})
        EXPECT_FALSE(AnyOf(image, c)) << "colour " << c;

    views.SetGridIndex(VIEW_XY, 0);  // no grid, axes still there
    image = Render(VIEW_XY);
    EXPECT_TRUE(Black(image, QPoint(17, 5)));
    EXPECT_TRUE(Has(image, QPoint(50, 5), COLOUR_DIM));
}

TEST_F(Painting, CurrentPolygonShowsItsCornerOrderAndNormal) {
    Triangles();
    QImage image = Render(VIEW_XY);
    EXPECT_TRUE(Has(image, At(0.5, 0), COLOUR_CURRENT_POLYGON));  // edge 0-1
    EXPECT_TRUE(Has(image, At(0, 0.5), COLOUR_ORDER));            // closing edge 2-0

    // In the side view the normal (0, 0, 1) runs one unit along Z from corner 0.
    image = Render(VIEW_ZY);
    EXPECT_TRUE(Has(image, At(0.9, 0), COLOUR_NORMAL));
    EXPECT_FALSE(Has(image, At(1.2, 0), COLOUR_NORMAL));
}

TEST_F(Painting, PolygonStatesAndMarks) {
    Triangles();
    QImage image = Render(VIEW_XY);
    EXPECT_TRUE(Has(image, edge, COLOUR_EDGE));
    M().PolygonHidden[1] = 1;
    EXPECT_TRUE(Has(Render(VIEW_XY), edge, COLOUR_DIM));
    M().PolygonHidden[1] = 2;
    EXPECT_TRUE(Black(Render(VIEW_XY), edge));

    M().PolygonHidden[1] = 0;
    MarkPolygons({1});
    MarkPoints({3});
    M().PointHidden[4] = 2;
    image = Render(VIEW_XY);
    EXPECT_TRUE(Has(image, edge, COLOUR_MARKED));
    EXPECT_TRUE(Has(image, At(-1.3, 0.5), COLOUR_MARKED, 3));
    EXPECT_FALSE(Has(image, At(-0.2, 0.5), COLOUR_POINT, 3));  // hidden point

    // Current and marked: the current polygon's colour shows on top of the marked outline.
    M().CurrentPolygon = 1;
    EXPECT_TRUE(Has(Render(VIEW_XY), edge, COLOUR_CURRENT_POLYGON));
}

TEST_F(Painting, IsoViewDrawsShownPolygonsOnly) {
    Triangles();
    views.HAngle = 0;
    views.VAngle = 0;  // the same picture as the XY view, without grid, axes and points
    QImage image = Render(VIEW_ISO);
    EXPECT_TRUE(Black(image, QPoint(17, 5)) && Black(image, QPoint(5, 50)));
    EXPECT_TRUE(Has(image, edge, COLOUR_EDGE));
    M().PolygonHidden[1] = 1;  // darkened: not drawn at all in the iso view
    EXPECT_TRUE(Black(Render(VIEW_ISO), edge));
}

}  // namespace
}  // namespace fw
