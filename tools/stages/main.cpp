// Writes the data files first delivered with the game: the prepared stages, and record files
// that hold no records yet.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "modes/DataFileWriter.h"
#include "modes/DataFiles.h"
#include "modes/DiskFileStore.h"
#include "tools/stages/StageScrambler.h"

int main(int argc, char** argv) {
  using namespace kelvora;
  if (argc != 2) {
    std::cerr << "usage: kelvora-make-stages FOLDER\n"
                 "Writes MENDATA1.txt, MENDATA2.txt, BEST1.txt and BEST2.txt into FOLDER.\n";
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<ScrambledStage> stages = ScrambleStages(kDeliveredSeed, DeliveredWalkLengths());

  DataFileWriter writer;
  writer.WriteNumber(static_cast<std::int32_t>(stages.size()));
  for (const ScrambledStage& stage : stages) {
    for (int column = 1; column <= 4; ++column) {
      for (int row = 1; row <= 4; ++row) writer.WriteNumber(stage.position[column][row]);
    }
  }
  DiskFileStore store;
  DataTables tables;
  DataFiles files(tables, store, folder);
  if (std::string reason = store.Replace(files.MYpath() + kPreparedStagesFile, writer.Text());
      !reason.empty()) {
    std::cerr << kPreparedStagesFile << ": " << reason << "\n";
    return 1;
  }
  // The record files as a first run would save them: every stage without a record.
  tables.preparedStageCount = static_cast<std::int32_t>(stages.size());
  tables.randomBest = kNoRandomBest;
  for (auto failure : {files.SavePreparedBest(), files.SaveRandomRecords()}) {
    if (failure) {
      std::cerr << failure->path << ": " << failure->reason << "\n";
      return 1;
    }
  }
  for (std::size_t s = 0; s < stages.size(); ++s) {
    std::cout << "stage " << s + 1 << ": solved by " << stages[s].solution.size() << " moves "
              << stages[s].solution << "\n";
  }
  return 0;
}
