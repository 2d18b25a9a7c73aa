// The main window as the player first sees it: size, place, every control's geometry, colours,
// faces and visibility, and the board in the goal pattern.
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>

#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/Form2.h"
#include "ui/GameFonts.h"
#include "ui/GameLabel.h"

namespace kelvora::testing {
namespace {

using Form1LayoutTest = UiFixture;

QColor Text(QWidget* widget) {
  return widget->palette().color(QPalette::WindowText);
}
QColor Back(QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

TEST_F(Form1LayoutTest, HasAFixedClientAreaAtItsPlaceOnTheScreen) {
  Open();
  EXPECT_EQ(form->windowTitle(), "KELVORA");
  QWidget* client = form->centralWidget();
  EXPECT_EQ(client->size(), QSize(1016, 714));
  EXPECT_EQ(client->mapToGlobal(QPoint(0, 0)), QPoint(4, 44));
  EXPECT_EQ(Back(client), QColor(0, 64, 0));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowIcon().isNull());
}

struct ExpectedLabel {
  int number, index;
  QRect geometry;
  const char* caption;
  int pixelSize;
  QColor text;  // invalid: the desktop's button text
  QColor back;  // invalid: the desktop's button face
  bool left;
  bool shown;
  bool italic;
};

TEST_F(Form1LayoutTest, EveryLabelStandsWhereTheLayoutPutsIt) {
  Open();
  const QColor green(0, 64, 0);
  const QColor pink(255, 128, 255);
  const QColor orange(255, 128, 0);
  const QColor button;
  const QColor grey(192, 192, 192);
  const std::vector<ExpectedLabel> expected = {
      {1, 0, {664, 56, 345, 49}, "KELVORA", 48, QColor(128, 128, 255), green, false, true, false},
      {2, 0, {16, 144, 57, 49}, "→", 48, button, button, false, true, false},
      {2, 1, {16, 480, 57, 49}, "→", 48, button, button, false, true, false},
      {2, 2, {640, 152, 57, 49}, "←", 48, button, button, false, true, false},
      {2, 3, {640, 480, 57, 49}, "←", 48, button, button, false, true, false},
      {3, 0, {784, 336, 49, 49}, "★", 48, orange, green, false, true, false},
      {4, 0, {848, 336, 105, 49}, "", 48, orange, green, false, true, false},
      {5, 0, {760, 160, 105, 49}, "手数", 48, pink, green, true, true, false},
      {6, 0, {872, 160, 137, 49}, "", 48, pink, green, false, true, false},
      {7, 0, {264, 640, 185, 57}, "", 48, QColor(128, 255, 255), green, false, false, false},
      {8, 0, {152, 648, 95, 41}, "back", 37, button, grey, false, false, true},
      {8, 1, {472, 648, 92, 41}, "next", 37, QColor(0, 0, 0), grey, false, false, true},
      {9, 0, {760, 248, 105, 49}, "Best", 48, pink, green, false, false, false},
      {10, 0, {872, 248, 137, 49}, "", 48, pink, green, false, false, false},
      {11,
       0,
       {664, 584, 345, 49},
       "Congratulations!",
       37,
       QColor(255, 128, 128),
       green,
       false,
       false,
       false},
  };
  const QPalette system = QApplication::palette();
  for (const ExpectedLabel& e : expected) {
    QLabel* label = form->Label(e.number, e.index);
    ASSERT_NE(label, nullptr) << e.number << "," << e.index;
    const std::string name = label->objectName().toStdString();
    EXPECT_EQ(label->geometry(), e.geometry) << name;
    EXPECT_EQ(label->text(), QString::fromUtf8(e.caption)) << name;
    EXPECT_EQ(label->font().pixelSize(), e.pixelSize) << name;
    EXPECT_EQ(label->font().weight(), QFont::Bold) << name;
    EXPECT_EQ(label->font().italic(), e.italic) << name;
    EXPECT_EQ(Text(label), e.text.isValid() ? e.text : system.color(QPalette::ButtonText)) << name;
    EXPECT_EQ(Back(label), e.back.isValid() ? e.back : system.color(QPalette::Button)) << name;
    EXPECT_TRUE(label->autoFillBackground()) << name;
    EXPECT_EQ(bool(label->alignment() & Qt::AlignLeft), e.left) << name;
    EXPECT_EQ(label->isVisible(), e.shown) << name;
  }
}

TEST_F(Form1LayoutTest, FacesStartWithTheGamesOwnFamiliesAndFallBackToInstalledOnes) {
  Open();
  const QStringList title = form->Label(1)->font().families();
  ASSERT_EQ(title.size(), 2);
  EXPECT_EQ(title[0], QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体"));
  EXPECT_EQ(form->Label(11)->font().families().first(), QStringLiteral("HGS創英角ﾎﾟｯﾌﾟ体"));
  EXPECT_EQ(form->Label(5)->font().families().first(), QStringLiteral("ＭＳ Ｐゴシック"));
  // On Debian the substitutes are what is drawn.
  EXPECT_EQ(QFontInfo(form->Label(1)->font()).family(), QStringLiteral("RocknRoll One"));
  EXPECT_EQ(QFontInfo(form->Label(5)->font()).family(), QStringLiteral("BIZ UDPGothic"));
}

// The game's faces borrow no letters from other faces, so every letter any label, menu or the
// rules window can show must be in the face itself, or it would show as an empty box.
TEST(GameFaces, HoldEveryLetterTheGameShows) {
  using ui::Face;
  const auto missing = [](const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QString absent;
    for (const char32_t letter : text.toUcs4()) {
      if (letter != '&' && !metrics.inFontUcs4(letter)) absent += QString::fromUcs4(&letter, 1);
    }
    return absent.toStdString();
  };
  const QString digits = "0123456789";
  EXPECT_EQ(missing(ui::GameFont(Face::kPopP, 48), "KELVORA"), "");
  EXPECT_EQ(missing(ui::GameFont(Face::kPopS, 37), "Congratulations!"), "");
  EXPECT_EQ(missing(ui::GameFont(Face::kGothic, 48), "→←★手数Best第 面-" + digits), "");
  EXPECT_EQ(missing(ui::GameFont(Face::kGothic, 37, true), "backnext"), "");
  EXPECT_EQ(missing(ui::MenuFont(), "パズル(&P)ヘルプ(&H)"), "");
  EXPECT_EQ(missing(ui::GameFont(Face::kGothic, 32), "KELVORA の遊び方VESTRANE"), "");
  EXPECT_EQ(
      missing(ui::GameFont(Face::kGothic, 19), QString::fromUtf8(text::kRulesText).remove("\r\n")),
      "");
}

TEST_F(Form1LayoutTest, CaptionsStayInsideTheirLabels) {
  Open();
  for (int number : {1, 3, 5, 9, 11}) {
    auto* label = static_cast<ui::GameLabel*>(form->Label(number));
    const QFontMetrics metrics(label->font());
    // The tallest letters of the caption, set on the label's baseline, fit its height.
    const QRect ink = metrics.tightBoundingRect(label->text());
    EXPECT_GE(label->Baseline() + ink.top(), 0) << number;
    EXPECT_LE(label->Baseline() + ink.bottom(), label->height()) << number;
  }
}

TEST_F(Form1LayoutTest, TileBoxesBarsAndMarkersStandOnTheirGrid) {
  Open();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(form->Image1(i)->geometry(), QRect(88 + (i / 4) * 136, 120 + (i % 4) * 112, 129, 105))
        << i;
    EXPECT_TRUE(form->Image1(i)->isVisible());
  }
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(form->Shape1(k)->geometry(), QRect(80 + k * 136, 232, 9, 217)) << k;
    EXPECT_EQ(form->Shape1(k)->Fill(), QColor(Qt::black));
  }
  // Bars stand beside rows 2 and 3 only.
  EXPECT_GE(form->Shape1(0)->geometry().top(), form->Image1(1)->geometry().top());
  EXPECT_LE(form->Shape1(0)->geometry().bottom(), form->Image1(2)->geometry().bottom());
  const QColor colors[4] = {QColor(255, 0, 0), QColor(0, 192, 96), QColor(255, 255, 0),
                            QColor(255, 255, 255)};
  for (int column = 0; column < 4; ++column) {
    const QRect above = form->Shape2(column)->geometry();
    const QRect below = form->Shape2(7 - column)->geometry();
    EXPECT_EQ(above, QRect(128 + column * 136, 56, 49, 49)) << column;
    EXPECT_EQ(below, QRect(128 + column * 136, 576, 49, 49)) << column;
    EXPECT_EQ(form->Shape2(column)->Fill(), colors[column]);
    EXPECT_EQ(form->Shape2(7 - column)->Fill(), colors[column]);
    // Each marker is centred over its column.
    EXPECT_EQ(above.center().x(), form->Image1(column * 4)->geometry().center().x());
  }
}

TEST_F(Form1LayoutTest, StartsWithTheGoalOnTheBoardAndTheStatusUnseen) {
  Open();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(form->Image1(i)->PictureNumber(), Position::Goal().At(CellAt(i))) << i;
  }
  EXPECT_EQ(form->Image1(12)->PictureNumber(), 13);
  EXPECT_TRUE(form->Label(4)->text().isEmpty());
  EXPECT_TRUE(form->Label(6)->text().isEmpty());
}

TEST_F(Form1LayoutTest, TheWindowLooksAsDrawn) {
  Open();
  const QImage shot = form->centralWidget()->grab().toImage();
  // The window's green, the blank black in the top right tile, a marker's red, a bar's black.
  EXPECT_EQ(shot.pixelColor(4, 700), QColor(0, 64, 0));
  EXPECT_EQ(shot.pixelColor(88 + 3 * 136 + 60, 170), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(150, 80), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(84, 300), QColor(0, 0, 0));
  // The red arch's left leg runs down the first tile, stretched to the box.
  EXPECT_EQ(shot.pixelColor(88 + 24, 120 + 90), QColor(255, 0, 0));
  // Some of the title's blue is drawn inside its label.
  int blue = 0;
  for (int x = 664; x < 664 + 345; ++x) {
    for (int y = 56; y < 56 + 49; ++y) blue += shot.pixelColor(x, y) == QColor(128, 128, 255);
  }
  EXPECT_GT(blue, 500);
}

}  // namespace
}  // namespace kelvora::testing
