// The two menus and what each entry runs.
#include "ui/Form1Menus.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/Form1.h"
#include "ui/GameFonts.h"

namespace kelvora::ui {

namespace {

template <typename Command>
void AddCommand(QMenu& menu, const char* name, const char* caption, Form1& form, Command command) {
  QAction* action = menu.addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(name));
  QObject::connect(action, &QAction::triggered, &form, [&form, command] { (form.*command)(); });
}

}  // namespace

void BuildMenus(QMenuBar& bar, Form1& form) {
  // The bar is drawn at start-up, in a face that holds its Japanese captions; the menus
  // themselves keep the desktop's menu face (Qt elides their longest caption when given
  // another).
  bar.setFont(MenuFont());
  QMenu* puzzle = bar.addMenu(QStringLiteral("パズル(&P)"));
  puzzle->setObjectName(QStringLiteral("メニューパズル"));
  AddCommand(*puzzle, "メニュー選択面", "選択面スタート(&S)", form, &Form1::StartPreparedStages);
  AddCommand(*puzzle, "メニューランダム面", "ランダム面スタート(&Z)", form,
             &Form1::StartRandomStage);
  puzzle->addSeparator()->setObjectName(QStringLiteral("区分線1"));
  AddCommand(*puzzle, "メニュー終了", "終了(&X)", form, &Form1::EndProgram);

  QMenu* help = bar.addMenu(QStringLiteral("ヘルプ(&H)"));
  help->setObjectName(QStringLiteral("メニューヘルプ"));
  AddCommand(*help, "メニュールール", "ルールの説明(&R)", form, &Form1::ShowRules);
  AddCommand(*help, "メニューバージョン", "バージョン情報(&A)", form, &Form1::ShowAbout);
}

}  // namespace kelvora::ui
