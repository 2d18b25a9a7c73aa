// What a screen reader says of the main window: the tiles and arrows by what they show and
// where they stand, and the status captions with the heading a sighted player reads beside them.
// Japanese, UTF-8.
#pragma once

#include <string>

namespace kelvora::text {

// Indexed as core/Tiles.h numbers Strand and Piece.
inline constexpr const char* kSpokenStrands[] = {"赤", "緑", "黄", "白"};
inline constexpr const char* kSpokenPieces[] = {"上端", "交差", "下端"};
inline constexpr const char* kSpokenBlank = "空き";

// "赤 上端 1列 2行": the piece a tile shows, then its cell.
std::string SpokenTile(int strand, int piece, int column, int row);
// "空き 4列 1行"
std::string SpokenBlank(int column, int row);
// "1行 右へ回す": the row an arrow turns and which way.
std::string SpokenTurn(int row, bool right);

// The headings said before the figures of the status labels: "手数 3".
inline constexpr const char* kSpokenMoveCount = "手数";
inline constexpr const char* kSpokenMatchCount = "正しい位置";
inline constexpr const char* kSpokenBest = "ベスト";
std::string SpokenStatus(const char* heading, const std::string& caption);

}  // namespace kelvora::text
