#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "edit/TextureCommands.h"
#include "external/ui/CoblEMsg.h"
#include "textures/PlaceholderThumbnails.h"
#include "textures/TextureCatalogue.h"
#include "textures/Thumbnail.h"
#include "mainwindow/StatusLine.h"
#include "textures/ui/AlignmentDisplay.h"
#include "textures/ui/SelectTextureDialog.h"

namespace fw {
namespace {

class TextureDialogsTest : public MainWindowTest {
protected:
    template <class T>
    static T* Child(QDialog& d, const char* name) {
        T* w = d.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(TextureDialogsTest, SelectTextureNeedsAPolygonAndEditsACopyUntilApplied) {
    onDialog = [&](QDialog&) { ADD_FAILURE() << "opened without a polygon"; };
    Action("MenuPolygonTextureSelect")->trigger();
    EXPECT_EQ(window->Status()->MessageText().toStdString(), NEED_POLYGON);

    MakeSquare(-1);
    M().Polygons[0].FlatColour = 0x7FFF;
    onDialog = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select Texture");
        EXPECT_TRUE(Child<QRadioButton>(d, "OptionFlat")->isChecked());
        EXPECT_EQ(Child<QLineEdit>(d, "Text1_0")->text(), "100");
        // Out of the window of five textures: message, box back to 0.
        QLineEdit* number = Child<QLineEdit>(d, "PolyText2");
        number->setText("5");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], ": Texture number must be between 0 and 4");
        EXPECT_EQ(number->text(), "0");
        number->setText("-1");
        Child<QLineEdit>(d, "Text1_1")->setText("50");
        Child<QLineEdit>(d, "Text1_2")->setText("0");
        EXPECT_EQ(M().Polygons[0].FlatColour, 0x7FFF);  // nothing applied yet
        auto* sample = qobject_cast<SelectTextureDialog*>(&d);
        EXPECT_EQ(sample->SampleColour(), QColor(253, 126, 0));
        Child<QPushButton>(d, "Command6")->click();
        EXPECT_EQ(M().Polygons[0].FlatColour, 0x7E00);
        // The global settings: widening, then the texture window.
        int narrow = d.width();
        Child<QPushButton>(d, "Command5")->click();
        EXPECT_GT(d.width(), narrow);
        EXPECT_FALSE(Child<QPushButton>(d, "Command5")->isEnabled());
        Child<QLineEdit>(d, "Text2")->setText("12");
        EXPECT_EQ(M().FirstModelTexture, 12);
    };
    Action("MenuPolygonTextureSelect")->trigger();
}

TEST_F(TextureDialogsTest, TextureCountBelowTheUsedTexturesIsRaised) {
    MakeSquare(6);
    M().NumberOfTextures = 10;
    // The suite's error dialog, not a plain message box.
    window->messageHook = nullptr;
    ScopedModalHook errors{[&](QDialog& dialog) {
        auto* error = qobject_cast<CoblEMsg*>(&dialog);
        EXPECT_NE(error, nullptr) << "not the error dialog: " << dialog.windowTitle().toStdString();
        if (error) messages.push_back(error->Error().title + ": " + error->Error().message);
        return int(QDialog::Accepted);
    }};
    onDialog = [&](QDialog& d) {
        EXPECT_TRUE(Child<QRadioButton>(d, "OptionTex")->isChecked());
        EXPECT_EQ(Child<QComboBox>(d, "TexCombo")->currentIndex(), 6);
        QLineEdit* count = Child<QLineEdit>(d, "Text3");
        count->setText("3");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0],
                  "Too low number: There are already textures higher than this setting used in "
                  "this model.");
        EXPECT_EQ(count->text(), "7");
        EXPECT_EQ(M().NumberOfTextures, 7);
    };
    Action("MenuPolygonTextureSelect")->trigger();
    Ed().Undo();
    EXPECT_EQ(M().NumberOfTextures, 10);
}

TEST_F(TextureDialogsTest, UnloadablePictureIsReportedByHowItWasChosen) {
    // A catalogue whose picture of the model's texture 1 (id 102) is damaged.
    std::vector<uint8_t> pictures(PlaceholderThumbnails().begin(), PlaceholderThumbnails().end());
    pictures[size_t(102 - FIRST_THUMBNAIL_ID) * THUMBNAIL_BYTES] ^= 0xFF;
    window->UseCatalogue(std::make_shared<TextureCatalogue>(TextureNameTable{}, pictures));
    MakeSquare(0);
    onDialog = [&](QDialog& d) {
        QComboBox* combo = Child<QComboBox>(d, "TexCombo");
        // With the mouse: the status line only.
        emit combo->activated(1);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(window->Status()->MessageText().toStdString(), "Texture not found");
        // Stepping with the keys: a message box.
        combo->setCurrentIndex(0);
        QTest::keyClick(combo, Qt::Key_Down);
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(messages, std::vector<std::string>{": Texture directory not present..."});
        QTest::keyClick(combo, Qt::Key_Down);  // texture 2 loads: nothing more is said
        EXPECT_EQ(messages.size(), 1u);
    };
    Action("MenuPolygonTextureSelect")->trigger();
}

TEST_F(TextureDialogsTest, MappingDialogAppliesThePlanarDefault) {
    MakeSquare(0);
    M().Points[3] = {4, 8, 0};
    M().PolygonMarked[0] = 1;
    CountMarkedPolygons(M());
    onDialog = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Texture Mapping Type");
        EXPECT_FALSE(Child<QPushButton>(d, "MIcon3")->isEnabled());  // no marked point
        EXPECT_FALSE(Child<QLineEdit>(d, "ZText0")->isEnabled());     // XY plane
        EXPECT_EQ(Child<QLineEdit>(d, "FactorText2")->text(), "0.00");
        Child<QPushButton>(d, "MIcon2")->click();
        EXPECT_EQ(Child<QLineEdit>(d, "FactorText2")->text(), "5.00");
        Child<QPushButton>(d, "MIcon0")->click();  // planar: the cylindrical factor goes
        Child<QPushButton>(d, "MIcon4")->click();
    };
    Action("MenuPolygonTextureMapping")->trigger();
    EXPECT_NEAR(M().Polygons[0].CornerUVL[2].U, 1, 1e-6);  // corner 2 is point 3
    EXPECT_NEAR(M().Polygons[0].CornerUVL[2].V, 2, 1e-6);
}

TEST_F(TextureDialogsTest, AlignPositionReadsPartsWithDefaults) {
    EXPECT_EQ(ParseAlignPosition(""), QRect(0, 1750, 5400, 5000));
    EXPECT_EQ(ParseAlignPosition("30,45"), QRect(30, 45, 5400, 5000));
    EXPECT_EQ(ParseAlignPosition("n/a,,60,70,1,2"), QRect(0, 1750, 60, 70));
    EXPECT_EQ(FormatAlignPosition(QRect(1, 2, 3, 4)), "1,2,3,4");
}

class AlignmentDisplayTest : public TextureDialogsTest {
protected:
    AlignmentDisplay* Open() {
        Action("MenuViewTextureAlign")->trigger();
        AlignmentDisplay* d = window->Alignment();
        EXPECT_NE(d, nullptr);
        d->resize(300, 300);  // 100 pixels a unit
        return d;
    }
    static QImage Render(AlignmentDisplay* d) {
        QImage image(d->size(), QImage::Format_RGB32);
        d->render(&image);
        return image;
    }
    // A triangle at U, V (0.5, 0.5), (1.5, 0.5), (0.5, 1.5).
    void MakeTriangle(int texture) {
        MakeSquare(texture);
        PolygonRecord& p = M().Polygons[0];
        p.CornerCount = 3;
        p.CornerUVL = {{{0.5f, 0.5f, 0}, {1.5f, 0.5f, 0}, {0.5f, 1.5f, 0}}};
        Ed().Notify(ChangeSet::All());
        Ed().MarkLoaded();
    }
};

TEST_F(AlignmentDisplayTest, DrawsTheOutlineOverTheTiledTexture) {
    MakeTriangle(-1);
    AlignmentDisplay* d = Open();
    EXPECT_EQ(d->windowTitle(), "Alignment Display");
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
    QImage flat = Render(d);
    EXPECT_EQ(flat.pixelColor(20, 20), QColor(Qt::white));  // no picture for a flat polygon
    EXPECT_EQ(flat.pixelColor(100, 175), QColor(Qt::black));  // the middle tile's left edge
    EXPECT_EQ(flat.pixelColor(200, 150), QColor(Qt::yellow));  // edge (0.5,0.5)-(1.5,0.5)
    EXPECT_EQ(flat.pixelColor(230, 110), QColor(Qt::white));   // outside the triangle's edges
    // A textured polygon shows its picture in every tile: the same pixel one unit apart.
    Ed().Run("Texture", [&] { M().Polygons[0].TextureNumber = 1; });
    QImage textured = Render(d);
    EXPECT_EQ(textured.pixelColor(20, 20), textured.pixelColor(120, 20));
    EXPECT_EQ(textured.pixelColor(20, 20), textured.pixelColor(20, 220));
    EXPECT_EQ(textured.pixelColor(200, 150), QColor(Qt::yellow));
}

TEST_F(AlignmentDisplayTest, DragsAreOneUndoStepEach) {
    MakeTriangle(0);
    AlignmentDisplay* d = Open();
    auto at = [&](double u, double v) { return d->ToWidget(u, v).toPoint(); };
    // Too far from every corner: the current UV point stays.
    QTest::mouseClick(d, Qt::LeftButton, {}, at(1.0, 1.2));
    EXPECT_EQ(Ed().CurrentListCorner, 0);
    auto send = [&](QEvent::Type type, double u, double v, Qt::MouseButton button,
                    Qt::MouseButtons held) {
        QMouseEvent event(type, at(u, v), d->mapToGlobal(at(u, v)), button, held, Qt::NoModifier);
        QApplication::sendEvent(d, &event);
    };
    send(QEvent::MouseButtonPress, 1.4, 0.6, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Ed().CurrentListCorner, 1);
    send(QEvent::MouseMove, 1.6, 0.5, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, 1.8, 0.5, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 1.8, 0.5, Qt::LeftButton, Qt::NoButton);
    EXPECT_NEAR(M().Polygons[0].CornerUVL[1].U, 1.8, 0.02);
    EXPECT_TRUE(M().Modified);
    EXPECT_EQ(Ed().History().UndoCount(), 1u);
    // The whole outline by the pointer's movement.
    send(QEvent::MouseButtonPress, 0.5, 0.5, Qt::RightButton, Qt::RightButton);
    for (double u : {0.6, 0.7, 0.8}) send(QEvent::MouseMove, u, 0.5, Qt::NoButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, 0.8, 0.5, Qt::RightButton, Qt::NoButton);
    EXPECT_NEAR(M().Polygons[0].CornerUVL[2].U, 0.8, 0.02);
    EXPECT_NEAR(M().Polygons[0].CornerUVL[0].U, 0.8, 0.02);
    EXPECT_EQ(Ed().History().UndoCount(), 2u);
    Ed().Undo();
    EXPECT_NEAR(M().Polygons[0].CornerUVL[0].U, 0.5, 1e-6);
    // Closing keeps the place in the settings file.
    d->close();
    QApplication::processEvents();
    EXPECT_EQ(QString::fromStdString(settings->Read(setting::AlignPosition)).split(',').size(), 4);
}

}  // namespace
}  // namespace fw
