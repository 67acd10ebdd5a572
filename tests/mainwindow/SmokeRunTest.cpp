#include <QTemporaryDir>
#include <sstream>

#include "MainWindowFixture.h"
#include "mainwindow/SmokeRun.h"

namespace fw {
namespace {

TEST_F(MainWindowTest, SmokeRunOpensPaintsAndReports) {
    std::ostringstream out, err;
    auto run = [&](QStringList args) {
        out.str("");
        err.str("");
        MakeWindow();
        return SmokeRun(QStringList{"facetwork"} + args, *window, *settings, out, err);
    };
    EXPECT_EQ(run({}), std::nullopt);  // an ordinary start
    EXPECT_EQ(run({"robot.pol"}), std::nullopt);

    EXPECT_EQ(run({"--smoke", QString(FW_SOURCE_DIR) + "/examples/robot.pol"}), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(out.str().starts_with("first frame at ")) << out.str();

    EXPECT_EQ(run({"--smoke"}), 1);
    EXPECT_EQ(err.str(), "usage: facetwork --smoke FILE.pol\n");
    QTemporaryDir dir;
    QString missing = dir.path() + "/missing.pol";
    EXPECT_EQ(run({"--smoke", missing}), 1);
    EXPECT_TRUE(err.str().starts_with(missing.toStdString() + ": ")) << err.str();
    EXPECT_GT(err.str().size(), missing.size() + 4);  // with the reader's reason
}

}  // namespace
}  // namespace fw
