#include "EditFixture.h"
#include "edit/CheckedMove.h"
#include "edit/Transform.h"

namespace fw {

class Transform : public EditFixture {
protected:
    void ExpectPoint(int i, double x, double y, double z) {
        EXPECT_NEAR(M().Points[i].X, x, 1e-6) << "point " << i;
        EXPECT_NEAR(M().Points[i].Y, y, 1e-6) << "point " << i;
        EXPECT_NEAR(M().Points[i].Z, z, 1e-6) << "point " << i;
    }
};

TEST_F(Transform, MoveRotateAndScaleOnlyMarkedPoints) {
    MakePoints(3);
    MarkPoints({1});
    ed.MoveRate = 0.1;
    Do([&] { return MoveMarkedPoints(ed, 1, -1); });
    Do([&] { return MoveMarkedPoints(ed, 2, +1, 5); });
    ExpectPoint(1, 0.9, 0.5, 0);

    // About a centre off the origin, in the ZY plane: Z turns towards Y.
    M().Points[1] = {4, 2, 3};
    ed.TextRotate = "90";
    ed.TextCenter = {"0", "2", "2"};
    Do([&] { return RotateMarkedPoints(ed, +1, 3, 2); });
    ExpectPoint(1, 4, 3, 2);

    M().Points[1] = {3, 5, 5};
    ed.TextCenter = {"1", "0", "0"};
    ed.TextScale = {"2", "1", "1"};
    Do([&] { return ScaleMarkedPoints(ed, 1); });
    ExpectPoint(1, 5, 5, 5);
    Do([&] { return ScaleMarkedPoints(ed, -1); });
    ExpectPoint(1, 3, 5, 5);
    ExpectPoint(2, 2, 0, 0);
}

// A failure never leaves the marked points half transformed.
TEST_F(Transform, RefusedOrOverflowingInputChangesNoPoint) {
    MakePoints(3);
    M().Points[1] = {1, 1, 1};
    M().Points[2] = {1.5e308, 0, 0};
    MarkPoints({1, 2});
    ModelStore before = M();
    // Point 1 would be fine; point 2 overflows, so neither may move.
    ed.TextCenter = {"-1.5e308", "0", "0"};
    ed.TextRotate = "45";
    Do([&] { return RotateMarkedPoints(ed, 1, 1, 2); });
    EXPECT_EQ(host.LastStatus(), "Invalid Center.");
    EXPECT_TRUE(SameModelContent(before, M()));
    ed.TextCenter = {"0", "0", "0"};
    ed.TextScale = {"1e300", "1", "1"};
    Do([&] { return ScaleMarkedPoints(ed, 1); });
    EXPECT_EQ(host.LastStatus(), "The scaling values mustn't be 0");
    EXPECT_TRUE(SameModelContent(before, M()));
}

// Moves and whole-model resizing refuse results that are not finite or that the file's
// 16.16 fixed point cannot hold, as rotate and scale do: every point stays where it was.
TEST_F(Transform, MovesAndResizingRefuseResultsTheFileCannotHold) {
    MakePoints(3);
    M().Points[1] = {30000, 0, 0};
    M().Points[2] = {-20000, 5, 0};
    MarkPoints({1, 2});
    const ModelStore before = M();
    auto expectRefused = [&](const char* what) {
        EXPECT_EQ(host.LastStatus(), OUT_OF_RANGE_MESSAGE) << what;
        EXPECT_EQ(host.LastKind(), -1) << what;
        EXPECT_TRUE(SameModelContent(before, M())) << what;
    };
    ed.MoveRate = 1000;
    Do([&] { return MoveMarkedPoints(ed, 1, +1, 5); });  // point 1 would reach 35000, point 2 would be fine
    expectRefused("move");
    ed.MoveRate = 1e308;
    Do([&] { return MoveMarkedPoints(ed, 1, +1, 5); });  // infinite
    expectRefused("infinite move");
    Do([&] { return DoubleModelSize(ed); });
    expectRefused("double");
    M().Points[0] = {-1e308, 0, 0};
    M().Points[1] = {1e308, 0, 0};  // the box centre is fine, the moved points are not
    const ModelStore wide = M();
    Do([&] { return CenterModel(ed); });
    EXPECT_EQ(host.LastStatus(), OUT_OF_RANGE_MESSAGE);
    EXPECT_TRUE(SameModelContent(wide, M()));

    M() = before;
    ed.MoveRate = 1000;
    Do([&] { return MoveMarkedPoints(ed, 1, -1, 1); });
    ExpectPoint(1, 29000, 0, 0);
    ExpectPoint(2, -21000, 5, 0);
}

TEST_F(Transform, GetCenterResizeAndCenterModel) {
    MakePoints(3);
    MarkPoints({1, 2});
    M().Points[2] = {2, -4, 6};
    Do([&] { return GetCenter(ed); });
    EXPECT_EQ(ed.TextCenter, (std::array<std::string, 3>{"1.500", "-2.000", "3.000"}));

    Do([&] { return HalveModelSize(ed); });
    ExpectPoint(2, 1, -2, 3);
    Do([&] { return DoubleModelSize(ed); });
    Do([&] { return TripleModelSize(ed); });
    ExpectPoint(2, 6, -12, 18);

    M().Points[0] = {0, 0, 0};
    M().Points[1] = {4, 2, 0};
    M().Points[2] = {2, 6, -2};
    M().Points[3] = {100, 100, 100};  // beyond the points in use
    Do([&] { return CenterModel(ed); });
    ExpectPoint(0, -2, -3, 1);
    ExpectPoint(1, 2, -1, 1);
    ExpectPoint(2, 0, 3, -1);
    ExpectPoint(3, 100, 100, 100);
}

}  // namespace fw
