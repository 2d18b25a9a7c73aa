// The version box's text, and every picture compiled into the program.
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>

#include "tests/ui/UiFixture.h"
#include "ui/AboutBox.h"
#include "ui/PictureStore.h"

namespace kelvora::testing {
namespace {

TEST(AboutBox, HasFiveLinesTheSecondAndFourthEmpty) {
  const QStringList lines = ui::AboutText().split('\n');
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "ＫＥＬＶＯＲＡ");
  EXPECT_TRUE(lines[1].isEmpty());
  EXPECT_FALSE(lines[2].isEmpty());
  EXPECT_TRUE(lines[3].isEmpty());
  EXPECT_TRUE(lines[4].contains("2026"));
  EXPECT_FALSE(ui::AboutText().endsWith('\n'));
}

TEST(AboutBox, IsAPlainBoxWithOkOnly) {
  QMessageBox::Icon icon = QMessageBox::Warning;
  QString title;
  int buttons = 0;
  WhenModalOpens([&](QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    title = box->windowTitle();
    buttons = static_cast<int>(box->buttons().size());
    EXPECT_EQ(box->text(), ui::AboutText());
  });
  ui::ShowAbout(nullptr);
  AwaitModals();
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(title, "バージョン情報");
  EXPECT_EQ(buttons, 1);
}

TEST(Pictures, EveryTilePictureLoadsAtItsSize) {
  ui::PictureStore store;
  const int widths[14] = {0, 200, 200, 199, 200, 200, 199, 198, 200, 199, 198, 200, 198, 200};
  for (int n = 1; n <= 13; ++n) {
    const QImage& picture = store.Picture(n);
    ASSERT_FALSE(picture.isNull()) << n;
    EXPECT_EQ(picture.size(), QSize(widths[n], 160)) << n;
  }
  EXPECT_TRUE(store.Picture(0).isNull());
  EXPECT_TRUE(store.Picture(14).isNull());
  // Any width fills the whole box.
  EXPECT_EQ(store.Stretched(7, QSize(129, 105), 1.0).size(), QSize(129, 105));
  EXPECT_EQ(store.Stretched(3, QSize(129, 105), 2.0).size(), QSize(258, 210));
}

TEST(Pictures, TheBoxPicturesMadeAtBuildTimeAreTheOriginalsStretched) {
  ui::PictureStore store;
  for (int n = 1; n <= 13; ++n) {
    const QImage built = store.Stretched(n, QSize(129, 105), 1.0).toImage();
    const QImage stretched = store.Picture(n)
                                 .convertToFormat(QImage::Format_RGB32)
                                 .scaled(129, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(built.convertToFormat(QImage::Format_RGB32), stretched) << n;
  }
  // A red arch: its left leg runs down the box.
  EXPECT_EQ(store.Stretched(1, QSize(129, 105), 1.0).toImage().pixelColor(24, 90),
            QColor(255, 0, 0));
}

TEST(Pictures, TheIconAndTheRulesPhotographLoad) {
  const QImage icon(":/icon/kelvora.png");
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_TRUE(icon.hasAlphaChannel());
  const QImage photo(":/pictures/rules.jpg");
  EXPECT_EQ(photo.size(), QSize(240, 180));
}

}  // namespace
}  // namespace kelvora::testing
