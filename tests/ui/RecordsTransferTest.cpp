// Records put back into the browser's storage: only a data file that loads with the others is
// written, and the game then plays over it.
#include <gtest/gtest.h>

#include <QLabel>

#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/RecordsTransfer.h"

namespace kelvora::testing {
namespace {

class RecordsTransferTest : public UiFixture {
 protected:
  // What the message after receiving `contents` as `name` said.
  QString Receive(const QString& name, const std::string& contents) {
    QString said;
    WhenModalOpens(
        [&](QWidget* box) { said = box->findChild<QLabel*>("qt_msgbox_label")->text(); });
    form->Transfer()->Receive(name, QByteArray::fromStdString(contents));
    AwaitModals();
    return said;
  }
};

TEST_F(RecordsTransferTest, OnlyADataFileThatLoadsIsWrittenAndTheGameReadsItAtOnce) {
  const std::string best = "2\r\n9\r\n\"QQQQRRRRM\"\r\n0\r\n\"\"\r\n";
  WriteFile("BEST1.txt", best);
  Open();
  form->OfferRecordsTransfer(folder.string(), diskStore);

  // A damaged file is named by its line, as at start-up, and changes nothing.
  QString said = Receive("C:/Users/me/BEST1.txt", "2\r\nnine\r\n");
  EXPECT_TRUE(said.contains("BEST1.txt")) << said.toStdString();
  EXPECT_EQ(ReadFile("BEST1.txt"), best);
  // A file of another name is no data file, whatever it holds.
  said = Receive("BEST3.txt", best);
  EXPECT_EQ(said.toStdString(), text::kNotADataFile);
  EXPECT_EQ(ReadFile("BEST1.txt"), best);

  const std::string better = "2\r\n1\r\n\"M\"\r\n1\r\n\"S\"\r\n";
  said = Receive("/home/me/Downloads/BEST1.txt", better);
  EXPECT_EQ(said.toStdString(), std::string("BEST1.txt") + text::kRecordsPutBack);
  EXPECT_EQ(ReadFile("BEST1.txt"), better);
  EXPECT_EQ(game->View().records.prepared[0].bestMoves, 1);

  // A cancelled choice says nothing.
  form->Transfer()->Receive(QString(), QByteArray());
  QTest::qWait(20);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kelvora::testing
