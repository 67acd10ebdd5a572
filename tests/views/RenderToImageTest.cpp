#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "edit/EditFixture.h"
#include "views/RenderToImage.h"

namespace fw {
namespace {

class Render : public EditFixture {
protected:
    ViewState views;
    QTemporaryDir dir;
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RenderCommand(args, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(Render, FitWindowCentresTheModelWithEqualScale) {
    MakePoints(0);
    AddPoint(-1, 2, 5);
    AddPoint(3, 4, -5);
    ViewWindow w = FitWindow(M(), views, VIEW_XY, QSize(200, 100));
    EXPECT_NEAR(w.left + w.width / 2, 1, 1e-12);
    EXPECT_NEAR(w.top + w.height / 2, -3, 1e-12);
    EXPECT_NEAR(w.width / w.height, 2, 1e-12);
    EXPECT_GE(w.width, 4);

    NewModel(M());  // one point: a small window round it, never an empty one
    QImage image = RenderToImage(M(), views, VIEW_XY, QSize(64, 48));
    EXPECT_EQ(image.size(), QSize(64, 48));
    EXPECT_NE(image.pixel(32, 24), qRgb(0, 0, 0));  // the point at the centre
}

TEST_F(Render, CommandWritesPngOrExplains) {
    std::string model = std::string(FW_SOURCE_DIR) + "/examples/robot.pol";
    std::string png = Path("robot.png");
    ASSERT_EQ(Run({model, "--view", "iso", "--size", "120x80", "--out", png}), 0) << err.str();
    QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(120, 80));

    EXPECT_EQ(Run({model, "--view", "side", "--out", png}), 2);
    EXPECT_EQ(Run({model, "--size", "12x0", "--out", png}), 2);

    // A model that cannot be read leaves an existing picture untouched.
    std::string bad = Path("bad.pol");
    QFile file(QString::fromStdString(bad));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a model") > 0);
    file.close();
    EXPECT_EQ(Run({bad, "--out", png}), 1);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(120, 80));
}

}  // namespace
}  // namespace fw
