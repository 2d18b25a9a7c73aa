// The rules window: its place beside the main window, its controls and its text.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/Form2.h"

namespace kelvora::testing {
namespace {

using Form2Test = UiFixture;

TEST(RulesWindowPlace, IsATenthOfTheMainWindowsOuterSizeInFromItsCorner) {
  EXPECT_EQ(ui::RulesWindowPlace(1200, 900, 15480, 11430), QPoint(2748, 2043));
  // Whole twips first, then the remainder of the tenth dropped.
  EXPECT_EQ(ui::RulesWindowPlace(0, 0, 15489.4, 11439.6), QPoint(1548, 1144));
  EXPECT_EQ(ui::RulesWindowPlace(-600, 300, 9, 19), QPoint(-600, 301));
}

// Opens the rules window and returns where it stood.
QPoint OpenRules(ui::Form1& form, std::function<void(ui::Form2&)> inspect = {}) {
  QPoint place;
  WhenModalOpens([&](QWidget* window) {
    place = window->pos();
    if (inspect) inspect(*qobject_cast<ui::Form2*>(window));
  });
  form.ShowRules();
  AwaitModals();
  return place;
}

QPoint Expected(const ui::Form1& form) {
  const QRect outer = form.frameGeometry();
  const QPoint twips = ui::RulesWindowPlace(outer.left() * 15, outer.top() * 15, outer.width() * 15,
                                            outer.height() * 15);
  return QPoint(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0));
}

TEST_F(Form2Test, OpensBesideTheMainWindowWhereverThatStands) {
  Open();
  const QPoint first = OpenRules(*form);
  EXPECT_EQ(first, Expected(*form));
  form->move(form->pos() + QPoint(100, 50));
  QTest::qWait(10);
  const QPoint second = OpenRules(*form);
  EXPECT_EQ(second, Expected(*form));
  EXPECT_EQ(second - first, QPoint(100, 50));
}

TEST_F(Form2Test, HasItsControlsAndIsBuiltAfreshAtEachOpening) {
  Open();
  OpenRules(*form, [](ui::Form2& rules) {
    EXPECT_EQ(rules.windowTitle(), "ルールの説明");
    EXPECT_EQ(rules.size(), QSize(462, 462));
    EXPECT_EQ(rules.palette().color(QPalette::Window), QColor(255, 255, 192));
    EXPECT_EQ(rules.Label1()->geometry(), QRect(32, 24, 393, 33));
    EXPECT_EQ(rules.Label1()->text(), "KELVORA の遊び方");
    EXPECT_EQ(rules.Label1()->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_EQ(rules.Text2()->geometry(), QRect(40, 80, 385, 145));
    EXPECT_EQ(rules.Image1()->geometry(), QRect(120, 240, 200, 148));
    EXPECT_FALSE(rules.Image1()->pixmap().isNull());
    EXPECT_EQ(rules.Label2()->geometry(), QRect(120, 400, 201, 25));
    EXPECT_EQ(rules.Label2()->text(), "VESTRANE");
    // Every line stands whole on one line of the box, and all seven fit in it.
    QTextDocument* document = rules.Text2()->document();
    // Seven lines, and after the last line end the empty line the cursor would stand on.
    EXPECT_EQ(document->blockCount(), 8);
    EXPECT_TRUE(document->lastBlock().text().isEmpty());
    qreal height = document->documentMargin();
    for (QTextBlock block = document->begin(); block != document->lastBlock();
         block = block.next()) {
      EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
      height += block.layout()->boundingRect().height();
    }
    EXPECT_LE(height, rules.Text2()->viewport()->height());
    rules.Text2()->setPlainText("scribbled over");
  });
  OpenRules(*form, [](ui::Form2& rules) {
    EXPECT_TRUE(rules.Text2()->toPlainText().startsWith("（遊び方）\n選択画面スタート\n"));
  });
}

TEST(RulesText, HasSevenLinesEndedByCrLfAndItsExactLength) {
  const QString text = QString::fromUtf8(text::kRulesText);
  EXPECT_EQ(text.count("\r\n"), 7);
  EXPECT_TRUE(text.endsWith("\r\n"));
  const QStringList lines = text.split("\r\n");
  ASSERT_EQ(lines.size(), 8);
  for (int line : {2, 3, 5, 6}) EXPECT_TRUE(lines[line].startsWith(QChar(0x3000))) << line;
  EXPECT_EQ(lines[1], "選択画面スタート");
  // In a two-byte Japanese code page every character here but CR and LF takes two bytes.
  int bytes = 0;
  for (QChar c : text) bytes += c.unicode() < 0x80 ? 1 : 2;
  EXPECT_EQ(bytes, 214);
}

}  // namespace
}  // namespace kelvora::testing
