// Fixed-length messages: the two programs come from the same build, so no version is sent.
#include "solver/HintMessages.h"

#include <algorithm>
#include <cmath>

#include "core/Move.h"
#include "core/Tiles.h"

namespace kelvora::solver {

namespace {
constexpr int kProgressSteps = 1000;
constexpr std::uint8_t kNoHint = 0;
constexpr std::uint8_t kHasHint = 1;
}  // namespace

QuestionBytes EncodeQuestion(const Position& position) {
  QuestionBytes bytes{};
  std::copy(position.Codes().begin(), position.Codes().end(), bytes.begin());
  return bytes;
}

std::optional<Position> DecodeQuestion(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != QuestionBytes{}.size()) return std::nullopt;
  std::array<int, kCellCount> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (bytes[i] > kBlank) return std::nullopt;
    codes[i] = bytes[i];
  }
  return Position::FromCodes(codes);
}

ReplyBytes EncodeReply(const WorkerReply& reply) {
  const auto steps = static_cast<std::uint16_t>(
      std::lround(std::clamp(reply.progress, 0.0, 1.0) * kProgressSteps));
  const Hint hint = reply.hint.value_or(Hint{0, 0});
  return {static_cast<std::uint8_t>(reply.kind),
          reply.hint ? kHasHint : kNoHint,
          hint.move,
          static_cast<std::uint8_t>(hint.movesLeft),
          static_cast<std::uint8_t>(steps >> 8),
          static_cast<std::uint8_t>(steps & 0xff)};
}

std::optional<WorkerReply> DecodeReply(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != ReplyBytes{}.size()) return std::nullopt;
  WorkerReply reply;
  switch (bytes[0]) {
    case static_cast<std::uint8_t>(WorkerReply::Kind::kProgress):
      reply.kind = WorkerReply::Kind::kProgress;
      reply.progress = ((bytes[4] << 8) | bytes[5]) / static_cast<double>(kProgressSteps);
      if (reply.progress > 1) return std::nullopt;
      return reply;
    case static_cast<std::uint8_t>(WorkerReply::Kind::kAnswered):
      reply.kind = WorkerReply::Kind::kAnswered;
      if (bytes[1] == kHasHint) {
        if (bytes[2] >= Move::kKinds || bytes[3] == 0) return std::nullopt;
        reply.hint = Hint{bytes[2], bytes[3]};
      } else if (bytes[1] != kNoHint) {
        return std::nullopt;
      }
      return reply;
    case static_cast<std::uint8_t>(WorkerReply::Kind::kFailed):
      return reply;
    default:
      return std::nullopt;
  }
}

}  // namespace kelvora::solver
