// The spoken names that are put together from parts.
#include "text/SpokenText.h"

namespace kelvora::text {

namespace {

std::string Place(int column, int row) {
  return std::to_string(column) + "列 " + std::to_string(row) + "行";
}

}  // namespace

std::string SpokenTile(int strand, int piece, int column, int row) {
  return std::string(kSpokenStrands[strand]) + " " + kSpokenPieces[piece] + " " +
         Place(column, row);
}

std::string SpokenBlank(int column, int row) {
  return std::string(kSpokenBlank) + " " + Place(column, row);
}

std::string SpokenTurn(int row, bool right) {
  return std::to_string(row) + "行 " + (right ? "右" : "左") + "へ回す";
}

std::string SpokenStatus(const char* heading, const std::string& caption) {
  return std::string(heading) + " " + caption;
}

}  // namespace kelvora::text
