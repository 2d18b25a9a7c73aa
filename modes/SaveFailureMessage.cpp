// Wording of the failed-save message.
#include "modes/SaveFailureMessage.h"

namespace kelvora {

void ReportSaveFailures(Screen& screen, const std::vector<SaveFailure>& failures) {
  if (failures.empty()) return;
  std::string text = "記録をファイルに保存できませんでした。\n\n";
  for (const SaveFailure& failure : failures) {
    text += "ファイル: " + failure.path + "\n";
    text += "理由: " + failure.reason.japanese + "\n\n";
  }
  text += "記録はゲームを続けている間は残っていて、次に記録を保存するときに一緒に書き込まれます。";
  screen.ShowMessage("KELVORA", text);
}

}  // namespace kelvora
