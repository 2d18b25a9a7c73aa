// What the game modes plug into the core: their data files at start-up and their record keeping
// when a stage is completed. The core knows nothing of files.
#pragma once

namespace kelvora {

class ModeHooks {
 public:
  virtual ~ModeHooks() = default;
  virtual void LoadDataFiles() = 0;
  virtual void UpdatePreparedBest() = 0;
  virtual void RecordRandomStage() = 0;
};

}  // namespace kelvora
