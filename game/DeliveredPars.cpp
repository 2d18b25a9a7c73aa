// The delivered stage file and its proving solutions are built into the game, so a par is known
// by the stage's position wherever it stands in the player's file.
#include "game/DeliveredPars.h"

#include <string>
#include <utility>
#include <vector>

#include "core/HistoryReplay.h"
#include "core/SolutionList.h"
#include "game/DeliveredStages.h"
#include "records/FileStore.h"
#include "records/RecordFiles.h"

namespace kelvora {
namespace {

// The delivered files, read as the game reads its folder; nothing is ever written.
class DeliveredFiles : public FileStore {
 public:
  Result<std::string> Read(const std::string& path) override {
    if (path.ends_with(kPreparedStagesFile)) return std::string(kDeliveredStageFile);
    if (path.ends_with(kRandomStagesFile)) return std::string("0\r\n");
    return Status::Failed(Status::Code::kNotFound, {});
  }
  Status Replace(const std::string&, const std::string&) override { return Status::Ok(); }
  void RemoveSaveLeftovers(const std::string&) override {}
};

std::vector<DeliveredSolution> ReadSolutions() {
  DeliveredFiles files;
  const Result<Records> delivered = RecordFiles(files, "").Load();
  const Result<std::vector<StageSolution>> solutions = ReadSolutionList(kDeliveredSolutions);
  std::vector<DeliveredSolution> proven;
  // A damaged file or list proves no par (the tests see to it that both are whole).
  if (!delivered || !solutions) return proven;
  const std::vector<PreparedStage>& stages = delivered->prepared;
  for (std::size_t stage = 0; stage < stages.size() && stage < solutions->size(); ++stage) {
    const Position& start = stages[stage].start;
    // A solution that does not solve its stage proves nothing.
    if (ReplayHistory(start, (*solutions)[stage].letters).solved) {
      proven.push_back({start, (*solutions)[stage].letters});
    }
  }
  return proven;
}

}  // namespace

const std::vector<DeliveredSolution>& DeliveredSolutions() {
  static const std::vector<DeliveredSolution> solutions = ReadSolutions();
  return solutions;
}

std::optional<int> DeliveredPar(const Position& start) {
  for (const DeliveredSolution& solution : DeliveredSolutions()) {
    if (solution.start == start) return static_cast<int>(solution.letters.size());
  }
  return std::nullopt;
}

}  // namespace kelvora
