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
// A search may reach a position with fewer moves allowed next than before (the moves just made
// rule some out). What it learnt there with more moves allowed holds with fewer too, so an entry
// keeps the set of moves it was made under, and serves any visit that allows no move outside it.
//
// Threads searching side by side share one table without locks. Each slot is two words, the
// entry and the entry mixed with its key: a slot caught halfway through another thread's write
// fails that check and reads as empty. A write that races another may be lost, which only costs
// a cut-off, never a wrong one.
class TranspositionTable {
 public:
  // Sets of moves, as bits: the moves a search may make next from a position.
  using Moves = std::uint8_t;
  struct Entry {
    std::uint16_t round = 0;
    // Moves from the start when expanded in that round.
    std::uint8_t g = 0;
    // A proven lower bound on the distance to the goal by the moves allowed.
    std::uint8_t bound = 0;
    Moves moves = 0;
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
  std::optional<Entry> Find(std::uint64_t key) const;
  // Whether what entry says holds for a visit that allows moves.
  static bool Covers(const Entry& entry, Moves moves) { return (moves & ~entry.moves) == 0; }
  // The proven bound for a visit that allows moves: 0 if entry allowed fewer.
  static int BoundFor(const Entry& entry, Moves moves) {
    return Covers(entry, moves) ? entry.bound : 0;
  }
  // Whether a visit at g that allows moves has nothing left to find: the position was expanded
  // this round no farther from the start, with at least those moves allowed.
  bool SeenThisRound(const Entry& entry, int g, Moves moves) const {
    return entry.round == round_ && entry.g <= g && Covers(entry, moves);
  }
  // Marks key expanded this round at g with moves allowed, keeping any bound that holds for them.
  void Expand(std::uint64_t key, int g, Moves moves);
  // Raises key's bound with moves allowed (a new entry if key has been pushed out meanwhile).
  void Learn(std::uint64_t key, int bound, Moves moves);

  // Asks for key's bucket ahead of the lookup that will need it.
  void Prefetch(std::uint64_t key) const { __builtin_prefetch(&slots_.get()[Bucket(key)]); }

 private:
  struct Slot {
    std::uint64_t check;
    std::uint64_t data;
  };
  struct Free {
    void operator()(Slot* memory) const { std::free(memory); }
  };
  // An entry as it is stored: the solve, round, g, bound and moves in one word.
  struct Stored {
    std::uint16_t solve = 0;
    Entry entry;
  };
  std::size_t Bucket(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_) * 2;
  }
  // The slot's entry if the slot holds key's, whole: a slot another thread was writing does not.
  static std::optional<Stored> Read(const Slot& slot, std::uint64_t key);
  static void Write(Slot& slot, std::uint64_t key, const Stored& stored);
  // key's slot in its bucket, or the one it would take, with what that slot holds for key.
  Slot& Claim(std::uint64_t key, Stored& stored);

  std::size_t count_;
  std::unique_ptr<Slot[], Free> slots_;
  int shift_;
  std::uint16_t solve_ = 0;
  std::uint16_t round_ = 0;
};

}  // namespace kelvora::solver
