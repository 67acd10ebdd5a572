#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "MainWindowFixture.h"
#include "edit/Marking.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/ReturnForm.h"
#include "mainwindow/StatusLine.h"

namespace fw {
namespace {

const char* const VIEW_NAMES[4] = {"XYViewBox", "XZViewBox", "ZYViewBox", "ISOViewBox"};

QWidget* View(MainWindow& w, const char* name) {
    return w.findChild<QWidget*>(name);
}

TEST_F(MainWindowTest, LayoutsShowOneOrFourViewsAndAreStored) {
    window->show();

    Action("H0Icon8")->trigger();  // QuadView
    EXPECT_EQ(window->InterfaceMode(), 1);
    EXPECT_EQ(settings->Read(setting::InterfaceMode), "1");
    for (const char* n : VIEW_NAMES) EXPECT_TRUE(View(*window, n)->isVisible()) << n;

    Action("H0Icon7")->trigger();  // SingleView
    EXPECT_EQ(settings->Read(setting::InterfaceMode), "0");
    for (int v = 0; v < 4; ++v) EXPECT_EQ(View(*window, VIEW_NAMES[v])->isVisible(), v == 0) << v;

    // The View menu entries select their view as the toolbar's view buttons do.
    Action("MenuViewZY")->trigger();
    EXPECT_EQ(window->Views().CurrentView, VIEW_ZY);
    EXPECT_TRUE(View(*window, "ZYViewBox")->isVisible());
    EXPECT_TRUE(Action("H0Icon11")->isChecked());

    // A new window starts in the stored layout.
    Action("MenuViewQuad")->trigger();
    MakeWindow();
    EXPECT_EQ(window->InterfaceMode(), 1);
}

TEST_F(MainWindowTest, SplittersAreLimitedAndStored) {
    ASSERT_EQ(settings->Write(setting::SplitterH, "1000"), "");
    ASSERT_EQ(settings->Write(setting::SplitterV, "9000"), "");
    MakeWindow();
    window->resize(1200, 900);
    window->show();
    auto* left = window->findChild<QSplitter*>("imgSplitter");
    ASSERT_NE(left, nullptr);
    EXPECT_GE(left->sizes().first() * 15, 2275);
    Action("MenuViewQuad")->trigger();
    EXPECT_LE(settings->SplitterV(), 7400);

    left->setSizes({400, 700});
    emit left->splitterMoved(400, 1);
    EXPECT_EQ(settings->Read(setting::SplitterH), std::to_string(left->sizes().first() * 15));
}

TEST_F(MainWindowTest, StatusLineShowsIconsAndBeepsOnErrors) {
    StatusLine* status = window->Status();
    window->ShowStatus("Broken", -1);
    EXPECT_EQ(status->MessageText(), "Broken");
    EXPECT_TRUE(status->HasPicture());
    EXPECT_EQ(beeps, 1);
    window->ShowStatus("Fine", 1);
    window->ShowStatus("", 0);
    EXPECT_FALSE(status->HasPicture());
    EXPECT_EQ(beeps, 1);  // kinds 0 and 1 are silent
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutOnNewAndClose) {
    Modify();
    answer = false;
    Action("MenuFileNew")->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Warning: File has not been saved yet. Do you really want to do this?");
    EXPECT_EQ(M().Points[0].X, 1);

    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(questions.size(), 2u);
    answer = true;
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, ListEditsDoNothingWhileRefreshing) {
    ModelStore& m = M();
    m.NumPoints = 2;
    m.PointSubmodel[1] = 1;
    m.NumSubmodels = 2;
    m.Submodels[1].Parent = NO_PARENT;
    m.CurrentSubmodel = 1;
    Ed().MarkLoaded();
    window->ModeList()->SetMode(ModeListPanel::Submodels);
    auto* parent = window->findChild<QComboBox*>("ComboParent");
    ASSERT_NE(parent, nullptr);
    ASSERT_GE(parent->count(), 2);

    // Refilling the lists, as every refresh does, edits nothing.
    Ed().Notify(ChangeSet::All());
    EXPECT_FALSE(m.Modified);
    EXPECT_FALSE(Ed().History().CanUndo());

    // A change that arrives while a refresh is running is not taken for the user's.
    Ed().RefreshInProgress = true;
    parent->setCurrentIndex(parent->findData(0));
    Ed().RefreshInProgress = false;
    EXPECT_EQ(m.Submodels[1].Parent, NO_PARENT);
    EXPECT_FALSE(m.Modified);

    Ed().Notify(ChangeSet::All());
    parent->setCurrentIndex(parent->findData(0));
    EXPECT_EQ(m.Submodels[1].Parent, 0);
    EXPECT_EQ(Ed().History().UndoName(), "Set Parent");
}

TEST_F(MainWindowTest, ModeListShowsEachMode) {
    ModelStore& m = M();
    m.NumPoints = 3;
    m.Points[1] = {1.5, 0, 0};
    m.PointMarked[1] = 1;
    CountMarkedPoints(m);
    Ed().Notify(ChangeSet::All());
    auto* list = window->findChild<QTreeView*>("OBList");
    auto cell = [list](int row, int column) {
        return list->model()->index(row, column).data().toString();
    };
    auto* count = window->findChild<QLabel*>("LabelCount");
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(cell(1, 1), "#");
    EXPECT_EQ(cell(1, 2), "1.500");
    EXPECT_EQ(count->text(), "3 points");

    // Without polygons the corner lists are empty.
    window->ModeList()->SetMode(ModeListPanel::PointOrder);
    EXPECT_EQ(count->text(), "0 points");

    m.NumPolygons = 1;
    m.Polygons[0] = {.Corners = {2, 1, 0}, .CornerCount = 3, .TextureNumber = -1,
                     .FlatColour = int16_t((3 << 10) | (4 << 5) | 5)};
    window->ModeList()->SetMode(ModeListPanel::Polygons);
    EXPECT_EQ(cell(0, 2), "<Flat> 3 4 5");
    window->ModeList()->SetMode(ModeListPanel::PointOrder);
    EXPECT_EQ(cell(0, 0), "Point 2");
    window->ModeList()->SetMode(ModeListPanel::Submodels);
    EXPECT_EQ(cell(0, 1), "<root>");

    // Moving through the rows with the keys makes each row's item current.
    window->ModeList()->SetMode(ModeListPanel::Points);
    window->show();
    list->setFocus();
    m.CurrentPoint = 0;
    Ed().Notify(ChangeSet::All());
    QTest::keyClick(list, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(m.CurrentPoint, 1);
}

// Keys a view or an edit box leaves alone must not run view commands in the window.
TEST_F(MainWindowTest, KeysLeftByViewsAndBoxesChangeNothing) {
    ModelStore& m = M();
    m.NumPoints = 3;
    m.Points[1] = {1, 2, 3};
    MarkAllPoints(Ed());
    m.CurrentPoint = 1;
    Ed().MarkLoaded();
    window->show();
    Action("MenuViewISO")->trigger();
    QWidget* iso = View(*window, "ISOViewBox");
    ASSERT_EQ(window->focusWidget(), iso);
    QTest::keyClick(iso, Qt::Key_U);
    QTest::keyClick(iso, Qt::Key_8, Qt::KeypadModifier);

    window->ModeList()->SetMode(ModeListPanel::Points);
    auto* x = window->findChild<QLineEdit*>("TextPoints0");
    x->setFocus();
    QTest::keyClick(x, Qt::Key_Insert);
    QTest::keyClick(x, Qt::Key_PageUp);
    EXPECT_EQ(std::tuple(m.CurrentPoint, m.NumPoints, m.Points[1].Y), std::tuple(1, 3, 2.0));
    EXPECT_FALSE(Ed().History().CanUndo());
    EXPECT_EQ(window->Views().Views[VIEW_XY].ZoomLevel, 0);
}

TEST_F(MainWindowTest, ReturnFormReadsTheValueOnOkOnly) {
    ReturnForm form;
    form.SetText("2.5x");
    QTimer::singleShot(0, &form, [&] { form.findChild<QPushButton*>("CommandOK")->click(); });
    form.exec();
    EXPECT_TRUE(form.Accepted());
    EXPECT_DOUBLE_EQ(form.Value(), 2.5);

    double value = 9;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<ReturnForm*>(w); f && f->isVisible())
                f->findChild<QPushButton*>("CommandCancel")->click();
    });
    EXPECT_FALSE(ReturnForm::AskValue(nullptr, "Angle", "3", value));
    EXPECT_EQ(value, 9);
}

}  // namespace
}  // namespace fw
