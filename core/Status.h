// What became of anything below the window that can fail: success, or a code a program acts on
// and the sentence a person reads. The one way a failure is reported, from a save to a replay.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "text/Phrase.h"

namespace kelvora {

class [[nodiscard]] Status {
 public:
  enum class Code {
    kOk,
    kNotFound,     // no such file, folder or value
    kDenied,       // the system, or the player's own protection, refuses it
    kNoSpace,      // the disk or a quota is full
    kBusy,         // someone else holds it (another copy, a scanner holding a file)
    kDamaged,      // it exists but is not what it should be (a data file, a table, a history)
    kInvalid,      // an argument that cannot be (a position of the wrong tiles)
    kCancelled,    // the player gave up the wait
    kOutOfMemory,  // the machine could not give the memory
    kUnavailable,  // the system cannot do it here at all (no lock on this folder)
    kIoError,      // anything else the system reported
  };

  Status() = default;
  static Status Ok() { return {}; }
  static Status Failed(Code code, Phrase reason) { return Status(code, std::move(reason)); }

  bool ok() const { return code_ == Code::kOk; }
  explicit operator bool() const { return ok(); }
  Code code() const { return code_; }
  // Empty on success.
  const Phrase& Reason() const { return reason_; }
  // The reason for the tools (English) and for the player (Japanese).
  const std::string& English() const { return reason_.english; }
  const std::string& Japanese() const { return reason_.japanese; }

  bool operator==(const Status&) const = default;

 private:
  Status(Code code, Phrase reason) : code_(code), reason_(std::move(reason)) {}

  Code code_ = Code::kOk;
  Phrase reason_;
};

// A value, or the Status that says why there is none.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: a value converts, as for optional
  Result(Status failure) : value_(std::move(failure)) {}  // NOLINT: so does a failure

  bool ok() const { return std::holds_alternative<T>(value_); }
  explicit operator bool() const { return ok(); }
  // Only when ok().
  T& operator*() { return std::get<T>(value_); }
  const T& operator*() const { return std::get<T>(value_); }
  T* operator->() { return &std::get<T>(value_); }
  const T* operator->() const { return &std::get<T>(value_); }
  // Status::Ok() when there is a value.
  Status status() const { return ok() ? Status::Ok() : std::get<Status>(value_); }

 private:
  std::variant<T, Status> value_;
};

}  // namespace kelvora
