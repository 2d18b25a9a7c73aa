// The two menus and what each entry runs.
#include "ui/Form1Menus.h"

#include <QMenu>
#include <QMenuBar>

#include "text/GameText.h"
#include "ui/Form1.h"
#include "ui/GameFonts.h"
#include "ui/RecordsTransfer.h"

namespace kelvora::ui {

namespace {

template <typename Command>
QAction* AddCommand(QMenu& menu, const char* name, const char* caption, Form1& form,
                    Command command) {
  QAction* action = menu.addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(name));
  QObject::connect(action, &QAction::triggered, &form, [&form, command] { (form.*command)(); });
  return action;
}

}  // namespace

void BuildMenus(QMenuBar& bar, Form1& form) {
  // The bar is drawn at start-up, in a face that holds its Japanese captions; the menus
  // themselves keep the desktop's menu face, as a desktop program's menus do.
  bar.setFont(MenuFont());
  QMenu* puzzle = bar.addMenu(QString::fromUtf8(text::kPuzzleMenu));
  puzzle->setObjectName(QStringLiteral("メニューパズル"));
  AddCommand(*puzzle, "メニュー選択面", text::kStartPreparedStages, form,
             &Form1::StartPreparedStages);
  AddCommand(*puzzle, "メニューランダム面", text::kStartRandomStage, form,
             &Form1::StartRandomStage);
  // H alone asks too, as often as the player likes, without opening the menu.
  AddCommand(*puzzle, "メニューヒント", text::kHint, form, &Form1::ShowHint)
      ->setShortcut(QKeySequence(Qt::Key_H));
  AddCommand(*puzzle, "メニュー記録", text::kShowRecords, form, &Form1::ShowRecords)
      ->setShortcut(QKeySequence(Qt::Key_K));
  puzzle->addSeparator()->setObjectName(QStringLiteral("区分線1"));
  AddCommand(*puzzle, "メニュー終了", text::kEndProgram, form, &Form1::EndProgram);

  QMenu* help = bar.addMenu(QString::fromUtf8(text::kHelpMenu));
  help->setObjectName(QStringLiteral("メニューヘルプ"));
  AddCommand(*help, "メニュールール", text::kShowRules, form, &Form1::ShowRules);
  AddCommand(*help, "メニューバージョン", text::kShowAbout, form, &Form1::ShowAbout);
}

void AddTransferMenus(QMenuBar& bar, Form1& form, RecordsTransfer& transfer) {
  auto* puzzle = bar.findChild<QMenu*>(QStringLiteral("メニューパズル"));
  auto* before = puzzle->findChild<QAction*>(QStringLiteral("区分線1"));
  QAction* takeOut = new QAction(QString::fromUtf8(text::kTakeOutRecords), puzzle);
  takeOut->setObjectName(QStringLiteral("メニュー記録書き出し"));
  QObject::connect(takeOut, &QAction::triggered, &form, [&transfer] { transfer.TakeOut(); });
  QAction* putBack = new QAction(QString::fromUtf8(text::kPutBackRecords), puzzle);
  putBack->setObjectName(QStringLiteral("メニュー記録読み込み"));
  QObject::connect(putBack, &QAction::triggered, &form, [&transfer] { transfer.PutBack(); });
  puzzle->insertActions(before, {takeOut, putBack});
}

}  // namespace kelvora::ui
