// Tests of packed positions and of the check that codes are the goal's tiles.
#include <gtest/gtest.h>

#include "solver/PackedPosition.h"
#include "tests/support/Positions.h"

// Packing positions: the goal agrees with the core's, conversions round-trip, and every way a set
// of codes can fail to be the goal's tiles is named.

namespace kelvora::testing {
namespace {

using solver::PackedPosition;

TEST(PackedPosition, GoalMatchesTheCoreAndCellNumbersAreTileIndices) {
  const PackedPosition goal = PackedPosition::Goal();
  EXPECT_EQ(goal.ToPosition(), Position::Goal());
  EXPECT_EQ(goal.BlankCell(), TileIndexOf(Position::Goal().Blank().value()));
  // Tile index 13 is column 4, row 2.
  EXPECT_EQ(goal.Code(13), Position::Goal().At({4, 2}));
  EXPECT_EQ(goal.ToPosition().Codes(),
            (std::array<int, 16>{1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 13, 10, 11, 12}));
}

TEST(PackedPosition, PositionsRoundTrip) {
  const std::array<int, 16> codes{12, 11, 10, 13, 9, 8, 8, 7, 6, 5, 5, 4, 3, 2, 2, 1};
  const PackedPosition packed = PackedPosition::From(Position::FromCodes(codes));
  EXPECT_EQ(packed.ToPosition().Codes(), codes);
  EXPECT_EQ(PackedPosition::From(packed.ToPosition()), packed);
  EXPECT_EQ(packed.BlankCell(), 3);
}

TEST(PackedPosition, CellsWithFindsEveryCopyOfACode) {
  const PackedPosition goal = PackedPosition::Goal();
  EXPECT_EQ(goal.CellsWith(5), (1u << 5) | (1u << 6));
  EXPECT_EQ(goal.CellsWith(12), 1u << 15);
  EXPECT_EQ(goal.CellsWith(1), 1u);
  // A code that is not on the board, and 0, which no cell of a position holds.
  const std::array<int, 16> ones{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(PackedPosition::From(Position::FromCodes(ones)).CellsWith(2), 0u);
  EXPECT_EQ(goal.CellsWith(0), 0u);
}

TEST(PackedPosition, NamesWhatIsWrongWithCodes) {
  std::array<int, 16> codes = Position::Goal().Codes();
  EXPECT_TRUE(PackedPosition::CheckCodes(codes).ok());
  // The reason the tool prints.
  const auto why = [&codes] {
    const Status status = PackedPosition::CheckCodes(codes);
    EXPECT_EQ(status.code(), Status::Code::kInvalid);
    return status.English();
  };

  codes[4] = 14;
  EXPECT_NE(why().find("value 5 is 14"), std::string::npos);
  codes[4] = 0;
  EXPECT_NE(why().find("value 5 is 0"), std::string::npos);

  codes = Position::Goal().Codes();
  codes[0] = 13;  // two blanks, no tile 1
  EXPECT_NE(why().find("code 1 appears 0 times"), std::string::npos) << why();

  codes = Position::Goal().Codes();
  codes[1] = 5;  // three 5s, one 2
  EXPECT_NE(why().find("code 2 appears 1 time, the goal has it 2"), std::string::npos) << why();
}

}  // namespace
}  // namespace kelvora::testing
