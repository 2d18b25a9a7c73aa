// Memory of the positions a search has expanded: how near the start, and what was learnt.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace kelvora::solver {

// The moves reach many positions by several routes (slides and rotations of the other row
// commute), and expanding one again from no nearer to the start can find nothing new. A finished
// subtree also proves its root further from the goal than the tables say; remembering that lower
// bound lets the next, deeper round skip what this one already ruled out.
//
// A key is a position together with a small state of the search's (which moves may follow): a
// bound proven under one state need not hold under another.
//
// Threads searching side by side share one table without locks. Each slot is two words, the
// entry and the entry mixed with its key: a slot caught halfway through another thread's write
// fails that check and reads as empty. A write that races another may be lost, which only costs
// a cut-off, never a wrong one.
class TranspositionTable {
 public:
  struct Entry {
    std::uint16_t round = 0;
    // Moves from the start when expanded in that round.
    std::uint8_t g = 0;
    // A proven lower bound on the distance to the goal.
    std::uint8_t bound = 0;
  };

  // 2^log2Entries slots (at least 4) of 16 bytes; when full, older and deeper entries give way.
  // The memory is taken as the system's zeroed pages, so a short search pays only for the pages
  // it touches.
  explicit TranspositionTable(int log2Entries);

  // Forgets everything, in constant time (but for a sweep every 65535 solves). Not while a search
  // runs.
  void NewSolve();
  // Keeps the bounds, forgets how near the start each position was. Bounds hold whatever the
  // start, so they may outlive a solve; when the round count runs out, everything is forgotten.
  // Not while a search runs.
  void NewRound() {
    if (round_ == UINT16_MAX) NewSolve();
    ++round_;
  }

  // key's entry from this solve, if it is still there.
  std::optional<Entry> Find(std::uint64_t key, std::uint8_t state = 0) const;
  bool SeenThisRound(const Entry& entry, int g) const {
    return entry.round == round_ && entry.g <= g;
  }
  // Marks key expanded this round at g, keeping any bound it had.
  void Expand(std::uint64_t key, int g, std::uint8_t state = 0);
  // Raises key's bound (a new entry if key has been pushed out meanwhile).
  void Learn(std::uint64_t key, int bound, std::uint8_t state = 0);

  // Asks for key's bucket ahead of the lookup that will need it.
  void Prefetch(std::uint64_t key, std::uint8_t state = 0) const {
    __builtin_prefetch(&slots_.get()[Bucket(key, state)]);
  }

 private:
  struct Slot {
    std::uint64_t check;
    std::uint64_t data;
  };
  struct Free {
    void operator()(Slot* memory) const { std::free(memory); }
  };
  // An entry as it is stored: the solve, round, g, bound and state in one word.
  struct Stored {
    std::uint16_t solve = 0;
    std::uint8_t state = 0;
    Entry entry;
  };
  std::size_t Bucket(std::uint64_t key, std::uint8_t state) const {
    return static_cast<std::size_t>(
               ((key + state * 0xD6E8FEB86659FD93ULL) * 0x9E3779B97F4A7C15ULL) >> shift_) *
           2;
  }
  // The slot's entry if the slot holds key's, whole: a slot another thread was writing does not.
  static std::optional<Stored> Read(const Slot& slot, std::uint64_t key);
  static void Write(Slot& slot, std::uint64_t key, const Stored& stored);
  // key's slot in its bucket, or the one it would take, with what that slot holds for key.
  Slot& Claim(std::uint64_t key, std::uint8_t state, Stored& stored);

  std::size_t count_;
  std::unique_ptr<Slot[], Free> slots_;
  int shift_;
  std::uint16_t solve_ = 0;
  std::uint16_t round_ = 0;
};

}  // namespace kelvora::solver
