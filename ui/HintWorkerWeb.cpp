// The page's hint worker: kelvora-hints.js (solver/worker/), beside the page's program, asked
// through Emscripten's worker calls.
#include <emscripten.h>

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "solver/HintMessages.h"
#include "ui/HintWorker.h"

extern "C" EMSCRIPTEN_KEEPALIVE void kelvora_hint_worker_stopped(void* worker);

namespace kelvora::ui {

namespace {

constexpr const char* kWorkerScript = "kelvora-hints.js";
constexpr const char* kEntryPoint = "kelvora_hint";

// A worker whose program cannot be fetched or stops (wasm aborted) answers nothing: its error
// event says so instead. Browser.workers is Emscripten's table behind worker_handle.
EM_JS(void, kelvora_watch_hint_worker, (int handle, void* worker), {
  Browser.workers[handle].worker.addEventListener(
      'error', function(event) {
        event.preventDefault();
        _kelvora_hint_worker_stopped(worker);
      });
});

class PageHintWorker final : public HintWorker {
 public:
  explicit PageHintWorker(Replies replies) : replies_(std::move(replies)) {}
  ~PageHintWorker() override { Cancel(); }

  void Ask(const Position& position) override {
    if (!handle_) {
      handle_ = emscripten_create_worker(kWorkerScript);
      kelvora_watch_hint_worker(*handle_, this);
    }
    auto bytes = solver::EncodeQuestion(position);
    emscripten_call_worker(*handle_, kEntryPoint, reinterpret_cast<char*>(bytes.data()),
                           static_cast<int>(bytes.size()), &PageHintWorker::Reply, this);
  }

  void Cancel() override {
    if (!handle_) return;
    emscripten_destroy_worker(*handle_);
    handle_.reset();
  }

  void Stopped() {
    Cancel();
    replies_.failed();
  }

 private:
  static void Reply(char* data, int size, void* self) {
    auto& worker = *static_cast<PageHintWorker*>(self);
    const auto reply = solver::DecodeReply(
        std::span(reinterpret_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size)));
    if (!reply || reply->kind == solver::WorkerReply::Kind::kFailed) {
      worker.replies_.failed();
    } else if (reply->kind == solver::WorkerReply::Kind::kProgress) {
      worker.replies_.progress(reply->progress);
    } else {
      worker.replies_.answered(reply->hint);
    }
  }

  Replies replies_;
  // None until the first question, and again after a cancel: the next question starts a worker.
  std::optional<worker_handle> handle_;
};

}  // namespace

std::unique_ptr<HintWorker> HintWorker::Make(Replies replies) {
  return std::make_unique<PageHintWorker>(std::move(replies));
}

}  // namespace kelvora::ui

void kelvora_hint_worker_stopped(void* worker) {
  static_cast<kelvora::ui::PageHintWorker*>(worker)->Stopped();
}
