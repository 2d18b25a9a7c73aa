// The page's hint worker: keeps the solver's tables for the page's life and answers the window's
// positions in a Web Worker of its own, so that the page's one thread never waits on a search.
#include <emscripten.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

#include "game/DeliveredPars.h"
#include "solver/HintMessages.h"
#include "solver/HintSolver.h"
#include "solver/TableCache.h"

namespace {

using kelvora::solver::WorkerReply;

// Made at the first question and kept: only the page's cancel ends the worker, and its tables
// with it.
std::unique_ptr<kelvora::solver::HintSolver> hints;
bool prepared = false;

void Respond(const WorkerReply& reply, bool final) {
  auto bytes = kelvora::solver::EncodeReply(reply);
  auto* data = reinterpret_cast<char*>(bytes.data());
  if (final) {
    emscripten_worker_respond(data, static_cast<int>(bytes.size()));
  } else {
    emscripten_worker_respond_provisionally(data, static_cast<int>(bytes.size()));
  }
}

std::unique_ptr<kelvora::solver::HintSolver> MakeHints() {
  // The medium tables: built in seconds on the worker's one thread, where the full set would
  // take minutes and hundreds of megabytes, and a search over them takes a fraction of a second
  // where the small set's may take minutes.
  auto made = std::make_unique<kelvora::solver::HintSolver>(
      kelvora::solver::TableCache::DefaultFolder(), kelvora::solver::TableSize::Medium);
  // The delivered stages come with solutions proven shortest: a hint on or beside one needs no
  // search, and the deepest of them would otherwise take the longest.
  for (const kelvora::DeliveredSolution& known : kelvora::DeliveredSolutions()) {
    made->Learn(known.start, known.letters);
  }
  return made;
}

}  // namespace

// The one entry point: a position (EncodeQuestion) in, progress while the tables are built, then
// the answer or the failure. The page cancels by ending the worker, so nothing here is cancelled.
extern "C" EMSCRIPTEN_KEEPALIVE void kelvora_hint(char* data, int size) {
  WorkerReply reply;
  try {
    const auto position = kelvora::solver::DecodeQuestion(
        std::span(reinterpret_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size)));
    if (position) {
      static const std::atomic<bool> never{false};
      if (hints == nullptr) hints = MakeHints();
      if (!prepared) {
        prepared = hints->Prepare(
            [](double done) {
              Respond({WorkerReply::Kind::kProgress, done, {}}, false);
            },
            never);
      }
      reply = {WorkerReply::Kind::kAnswered, 0, hints->Next(*position)};
    }
  } catch (...) {
    // Out of memory for the tables or the search, a position that is no arrangement of the
    // goal's tiles: this question fails, and the next starts afresh.
    hints.reset();
    prepared = false;
    reply = {};
  }
  Respond(reply, true);
}
