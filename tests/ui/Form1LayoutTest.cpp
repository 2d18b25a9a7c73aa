// The main window as the player first sees it: size, place, every control's geometry, colours,
// faces and visibility, and the board in the goal pattern.
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>

#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/ClickableLabel.h"
#include "ui/GameFonts.h"
#include "ui/GameLabel.h"

namespace kelvora::testing {
namespace {

using Form1LayoutTest = UiFixture;

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

// What the player sees of the labels: each in its part of the window, none covering another or
// the board, headings and their values on one line, and only the arrows and "back" and "next"
// taking clicks.
TEST_F(Form1LayoutTest, TheLabelsStandApartBesideTheBoardAndOnlyTheArrowsAndStepsTakeClicks) {
  Open();
  std::vector<QLabel*> labels;
  for (int number = 1; number <= 11; ++number) {
    for (int index = 0; index < 4; ++index) {
      if (QLabel* label = form->Label(number, index)) labels.push_back(label);
    }
  }
  ASSERT_EQ(labels.size(), 15u);
  QRect board;
  for (int i = 0; i < 16; ++i) board |= form->Image1(i)->geometry();
  for (std::size_t a = 0; a < labels.size(); ++a) {
    const std::string name = labels[a]->objectName().toStdString();
    EXPECT_FALSE(labels[a]->geometry().intersects(board)) << name;
    EXPECT_TRUE(form->centralWidget()->rect().contains(labels[a]->geometry())) << name;
    for (std::size_t b = a + 1; b < labels.size(); ++b) {
      EXPECT_FALSE(labels[a]->geometry().intersects(labels[b]->geometry()))
          << name << " and " << labels[b]->objectName().toStdString();
    }
    const bool clickable = qobject_cast<ui::ClickableLabel*>(labels[a]) != nullptr;
    EXPECT_EQ(clickable, name.rfind("Label2(", 0) == 0 || name.rfind("Label8(", 0) == 0) << name;
  }

  // The arrows beside the rows they turn, pointing the way they turn them.
  for (int arrow = 0; arrow < 4; ++arrow) {
    const QRect at = form->Label(2, arrow)->geometry();
    const QRect row = form->Image1(arrow % 2 == 0 ? 0 : 3)->geometry();
    EXPECT_TRUE(at.center().y() > row.top() && at.center().y() < row.bottom()) << arrow;
    EXPECT_EQ(at.right() < board.left(), arrow < 2) << arrow;
    EXPECT_EQ(at.left() > board.right(), arrow >= 2) << arrow;
    EXPECT_EQ(form->Label(2, arrow)->text(), arrow < 2 ? "→" : "←") << arrow;
  }
  // "back", the stage and "next" in a line below the board.
  const QRect back = form->Label(8, 0)->geometry();
  const QRect stage = form->Label(7)->geometry();
  const QRect next = form->Label(8, 1)->geometry();
  EXPECT_GT(std::min({back.top(), stage.top(), next.top()}), board.bottom());
  EXPECT_LT(back.right(), stage.left());
  EXPECT_LT(stage.right(), next.left());
  // Each heading with its value to its right, on the same line.
  for (auto [heading, value] : {std::pair{5, 6}, {9, 10}, {3, 4}}) {
    EXPECT_EQ(form->Label(heading)->geometry().top(), form->Label(value)->geometry().top());
    EXPECT_LT(form->Label(heading)->geometry().right(), form->Label(value)->geometry().left());
  }
  // Before a game: the title, the arrows, the headings of the moves and the matches.
  for (QLabel* label : labels) {
    const QString name = label->objectName();
    const bool shown = name == "Label1" || name.startsWith("Label2(") || name == "Label3" ||
                       name == "Label4" || name == "Label5" || name == "Label6";
    EXPECT_EQ(label->isVisible(), shown) << name.toStdString();
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
  // Each caption is drawn inside its label in its own colour: the title's blue, the headings'
  // pink and orange, the arrows in the desktop's button text on its button face.
  const auto ink = [&](QLabel* label, QColor colour) {
    int count = 0;
    const QRect at = label->geometry();
    for (int x = at.left(); x <= at.right(); ++x) {
      for (int y = at.top(); y <= at.bottom(); ++y) count += shot.pixelColor(x, y) == colour;
    }
    return count;
  };
  EXPECT_GT(ink(form->Label(1), QColor(128, 128, 255)), 500);
  EXPECT_GT(ink(form->Label(5), QColor(255, 128, 255)), 100);
  EXPECT_GT(ink(form->Label(3), QColor(255, 128, 0)), 100);
  const QPalette system = QApplication::palette();
  for (int arrow = 0; arrow < 4; ++arrow) {
    EXPECT_GT(ink(form->Label(2, arrow), system.color(QPalette::ButtonText)), 30) << arrow;
    EXPECT_GT(ink(form->Label(2, arrow), system.color(QPalette::Button)), 1000) << arrow;
  }
}

}  // namespace
}  // namespace kelvora::testing
