// What the window and a hint worker in a program of its own (a browser page's Web Worker) say
// to each other, as bytes: a position asked about, and progress, an answer or a failure back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/Cells.h"
#include "core/Position.h"
#include "solver/HintSource.h"

namespace kelvora::solver {

using QuestionBytes = std::array<std::uint8_t, kCellCount>;
QuestionBytes EncodeQuestion(const Position& position);
// nullopt for bytes that are not a question (wrong length, a code no cell can hold).
std::optional<Position> DecodeQuestion(std::span<const std::uint8_t> bytes);

struct WorkerReply {
  enum class Kind : std::uint8_t { kProgress, kAnswered, kFailed };
  Kind kind = Kind::kFailed;
  // kProgress: how much of the tables' build is done, 0 to 1.
  double progress = 0;
  // kAnswered: nullopt at the goal.
  std::optional<Hint> hint;
};

using ReplyBytes = std::array<std::uint8_t, 6>;
// Progress is sent in thousandths, as much as any dialog shows.
ReplyBytes EncodeReply(const WorkerReply& reply);
std::optional<WorkerReply> DecodeReply(std::span<const std::uint8_t> bytes);

}  // namespace kelvora::solver
