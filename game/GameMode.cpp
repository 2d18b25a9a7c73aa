// What every mode shows the same way.
#include "game/GameMode.h"

#include <string>
#include <utility>

#include "text/GameText.h"

namespace kelvora {

void GameContext::ShowBest(std::optional<int> best, int shownForNone) const {
  screen.SetLabelVisible(StatusLabel::kBestHeading, true);
  screen.SetLabelVisible(StatusLabel::kBest, true);
  screen.SetCaption(StatusLabel::kBest, std::to_string(best.value_or(shownForNone)));
}

void GameContext::ReportSaveFailures(const std::vector<SaveFailure>& failures) const {
  if (failures.empty()) return;
  std::vector<std::pair<std::string, std::string>> lines;
  for (const SaveFailure& failure : failures)
    lines.emplace_back(failure.path, failure.status.Japanese());
  screen.ShowMessage(text::kMessageTitle, text::SaveFailed(lines));
}

}  // namespace kelvora
