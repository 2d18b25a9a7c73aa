// Tests of the hint: exact counts along hinted, strayed and undone paths, and a cancelled start.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "SolverSupport.h"
#include "core/Rules.h"
#include "solver/HintSolver.h"
#include "solver/Solver.h"
#include "tests/support/DiskFolder.h"
#include "text/Utf8Path.h"

// Every hint is held to an independent solver's optimal length, and each hinted move is played
// through the game's own rules: a hint that names an illegal move, or whose count is one off after
// the player strayed, fails here.

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;
using solver::HintSolver;
using solver::PackedPosition;

// Small tables cached once for the whole suite, in a folder of its own (named after the test
// that first needs them), removed after the solver that maps them.
HintSolver& PreparedHints() {
  struct Prepared {
    DiskFolder folder{"shared-hints"};
    HintSolver hints{folder.Text(), solver::TableSize::Small};
    Prepared() {
      const std::atomic<bool> never{false};
      if (!hints.Prepare({}, never)) throw std::logic_error("small tables not prepared");
    }
  };
  static Prepared prepared;
  return prepared.hints;
}

std::string Shortest(const Position& position) {
  static solver::Solver reference(SmallTablePointers());
  return reference.Solve(PackedPosition::From(position));
}

int OptimalLength(const Position& position) {
  return static_cast<int>(Shortest(position).size());
}

Position Play(const Position& position, solver::MoveIndex move) {
  const std::optional<Position> after = Apply(position, Move::FromIndex(move));
  if (!after) throw std::logic_error("the game refuses move " + std::to_string(move));
  return *after;
}

TEST(HintSolver, FollowingTheHintsReachesTheGoalInExactlyTheAnnouncedMoves) {
  HintSolver& hints = PreparedHints();
  std::mt19937_64 engine(31);
  for (int walk = 0; walk < 10; ++walk) {
    Position position = RandomWalk(engine, 4 + walk).ToPosition();
    const std::optional<solver::Hint> first = hints.Next(position);
    ASSERT_TRUE(first.has_value());
    ASSERT_EQ(first->movesLeft, OptimalLength(position)) << "walk " << walk;
    for (int left = first->movesLeft; left > 0; --left) {
      const std::optional<solver::Hint> hint = hints.Next(position);
      ASSERT_TRUE(hint.has_value()) << left;
      ASSERT_EQ(hint->movesLeft, left);
      position = Play(position, hint->move);
    }
    EXPECT_EQ(position, Position::Goal());
    EXPECT_FALSE(hints.Next(position).has_value());
  }
}

// Learnt solutions are taken as they are: a detour no search would find shows the answer came
// from what was learnt, and letters that stop short of the goal must change nothing.
TEST(HintSolver, ALearntSolutionAnswersAlongItAndOneThatDoesNotSolveIsIgnored) {
  const DiskFolder folder("learnt-hints");
  HintSolver hints(folder.Text(), solver::TableSize::Small);
  const std::atomic<bool> never{false};
  ASSERT_TRUE(hints.Prepare({}, never));
  std::mt19937_64 engine(12);
  const Position start = RandomWalk(engine, 9).ToPosition();
  const Position other = RandomWalk(engine, 8).ToPosition();

  // A first move away from the goal, then a shortest way on that does not lead back through
  // start: two moves too many.
  std::string detour;
  const solver::MoveList moves = solver::LegalMoves(PackedPosition::From(start).BlankCell());
  for (int m = 0; m < moves.count && detour.empty(); ++m) {
    const Position aside = Play(start, moves.moves[m]);
    const std::string onward = Shortest(aside);
    if (onward.size() > static_cast<std::size_t>(OptimalLength(start)) &&
        Play(aside, static_cast<solver::MoveIndex>(Move::FromLetter(onward.front())->Index())) !=
            start) {
      detour = Move::FromIndex(moves.moves[m]).Letter() + onward;
    }
  }
  ASSERT_FALSE(detour.empty());
  hints.Learn(start, detour);
  const std::optional<solver::Hint> first = hints.Next(start);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(Move::FromIndex(first->move).Letter(), detour.front());
  EXPECT_EQ(first->movesLeft, static_cast<int>(detour.size()));
  EXPECT_EQ(hints.Next(Play(start, first->move))->movesLeft, first->movesLeft - 1);

  hints.Learn(other, Shortest(other).substr(1));
  EXPECT_EQ(hints.Next(other)->movesLeft, OptimalLength(other));
}

// A player who strays lands one move off a remembered path, one, two or no moves nearer the goal
// than the position left; one who undoes lands back on it.
TEST(HintSolver, EveryPositionOneMoveOffAHintedPathGetsItsShortestCount) {
  HintSolver& hints = PreparedHints();
  std::mt19937_64 engine(47);
  for (int walk = 0; walk < 3; ++walk) {
    Position start = Position::Goal();
    while (OptimalLength(start) < 9) start = RandomWalk(engine, 30).ToPosition();
    std::vector<Position> path{start};
    while (path.back() != Position::Goal()) {
      path.push_back(Play(path.back(), hints.Next(path.back())->move));
    }
    for (const Position& on : path) {
      const solver::MoveList moves = solver::LegalMoves(PackedPosition::From(on).BlankCell());
      for (int m = 0; m < moves.count; ++m) {
        const Position off = Play(on, moves.moves[m]);
        const std::optional<solver::Hint> hint = hints.Next(off);
        ASSERT_EQ(hint.has_value(), off != Position::Goal());
        if (hint) {
          ASSERT_EQ(hint->movesLeft, OptimalLength(off)) << "walk " << walk;
        }
      }
    }
    for (std::size_t at = 0; at + 1 < path.size(); ++at) {
      ASSERT_EQ(hints.Next(path[at])->movesLeft, static_cast<int>(path.size() - 1 - at));
    }
  }
}

TEST(HintSolver, TheGoalHasNoHintAndOnlyTheGoalsTilesAreAccepted) {
  HintSolver& hints = PreparedHints();
  EXPECT_FALSE(hints.Next(Position::Goal()).has_value());
  std::array<int, kCellCount> codes = Position::Goal().Codes();
  codes[0] = codes[1];
  EXPECT_THROW(hints.Next(Position::FromCodes(codes)), std::invalid_argument);
  const DiskFolder folder("unprepared-hints");
  HintSolver unprepared(folder.Text(), solver::TableSize::Small);
  EXPECT_THROW(unprepared.Next(Position::Goal()), std::logic_error);
}

// The window asks for a hint on its worker and cancels it when it closes: a search far from the
// goal gives up, and the next question is answered as if it had never been asked.
TEST(HintSolver, ACancelledSearchThrowsAndTheNextOneIsExact) {
  HintSolver& hints = PreparedHints();
  // The last delivered stage, 60 moves out: minutes of search with the small tables.
  const Position far = Position::FromCodes({6, 8, 5, 10, 13, 3, 2, 7, 2, 11, 8, 12, 5, 9, 4, 1});
  std::atomic<bool> cancel{true};
  EXPECT_THROW(hints.Next(far, cancel), solver::SearchCancelled);
  cancel = false;
  std::mt19937_64 engine(5);
  const Position near = RandomWalk(engine, 12).ToPosition();
  const std::optional<solver::Hint> hint = hints.Next(near, cancel);
  ASSERT_EQ(hint.has_value(), near != Position::Goal());
  if (hint) {
    EXPECT_EQ(hint->movesLeft, OptimalLength(near));
  }
}

TEST(HintSolver, ACancelledPrepareLeavesNothingInTheCacheAndALaterOneFinishes) {
  const DiskFolder cache("hints", "cache");
  const fs::path& folder = cache.path;
  // Scoped so that its mappings are gone before the folder is removed: Windows removes no mapped
  // file.
  std::optional<HintSolver> hints(std::in_place, cache.Text(), solver::TableSize::Small);
  EXPECT_FALSE(hints->TablesCached());

  std::atomic<bool> cancel{false};
  int calls = 0;
  EXPECT_FALSE(hints->Prepare(
      [&](double) {
        ++calls;
        cancel = true;
      },
      cancel));
  EXPECT_GE(calls, 1);
  EXPECT_TRUE(!fs::exists(folder) || fs::is_empty(folder));
  EXPECT_FALSE(hints->TablesCached());
  EXPECT_THROW(hints->Next(Position::Goal()), std::logic_error);

  cancel = false;
  std::vector<double> progress;
  ASSERT_TRUE(hints->Prepare([&](double done) { progress.push_back(done); }, cancel));
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 1.0);
  EXPECT_TRUE(hints->TablesCached());
  const Position oneAway = Play(Position::Goal(), solver::kRow1Right);
  EXPECT_EQ(hints->Next(oneAway)->movesLeft, 1);

  // Another start finds the cache complete and maps it without building.
  {
    HintSolver again(cache.Text(), solver::TableSize::Small);
    EXPECT_TRUE(again.TablesCached());
    EXPECT_TRUE(again.Prepare([](double) { ADD_FAILURE() << "nothing is left to build"; }, cancel));
  }
  hints.reset();
}

}  // namespace
}  // namespace kelvora::testing
