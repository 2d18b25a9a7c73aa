// Every text the player meets in the game's windows, in one place: the captions of the window,
// its menus and the rules window, and the messages. Japanese, except the few words the window
// has always shown in English. UTF-8 throughout.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/Phrase.h"

namespace kelvora::text {

// The main window.
inline constexpr const char* kGameTitle = "KELVORA";
inline constexpr const char* kArrowRight = "→";
inline constexpr const char* kArrowLeft = "←";
inline constexpr const char* kMatchHeading = "★";
inline constexpr const char* kMoveHeading = "手数";
inline constexpr const char* kBestHeading = "Best";
inline constexpr const char* kBack = "back";
inline constexpr const char* kNext = "next";
inline constexpr const char* kCongratulations = "Congratulations!";
// "第 3面": a sign position before the number (one blank for 0 and up), none after it.
std::string StageCaption(int stage);
// "最短 12 手": the fewest moves that solve a delivered stage, on its caption's tooltip.
std::string ParToolTip(int moves);

// The menus.
inline constexpr const char* kPuzzleMenu = "パズル(&P)";
inline constexpr const char* kStartPreparedStages = "選択面スタート(&S)";
inline constexpr const char* kStartRandomStage = "ランダム面スタート(&Z)";
inline constexpr const char* kHint = "ヒント(&H)";
// Only in a browser, where the records sit in its storage: the four data files taken out
// (downloaded) and one put back (uploaded).
inline constexpr const char* kTakeOutRecords = "記録を書き出す(&E)";
inline constexpr const char* kPutBackRecords = "記録を読み込む(&I)";
inline constexpr const char* kEndProgram = "終了(&X)";
inline constexpr const char* kHelpMenu = "ヘルプ(&H)";
inline constexpr const char* kShowRules = "ルールの説明(&R)";
inline constexpr const char* kShowAbout = "バージョン情報(&A)";

// The rules window. The second line names the first start command in words of its own.
inline constexpr const char* kRulesTitle = "ルールの説明";
inline constexpr const char* kRulesHeading = "KELVORA の遊び方";
inline constexpr const char* kRulesText =
    "（遊び方）\r\n"
    "選択画面スタート\r\n"
    "　あらかじめ用意された面から４色のリンクを\r\n"
    "　所定の位置につながった状態に直す。\r\n"
    "ランダム面スタート\r\n"
    "　ランダムに作成された面から４色のリンクを\r\n"
    "　所定の位置につながった状態に直す。\r\n";
inline constexpr const char* kRulesMaker = "VESTRANE";

// The version box.
inline constexpr const char* kAboutTitle = "バージョン情報";
std::string AboutText(const std::string& version, const std::string& releaseDate);

// Messages.
inline constexpr const char* kMessageTitle = "KELVORA";
inline constexpr const char* kAlreadyOpen = "KELVORA はすでに起動しています。";
// A file put back in the browser: one of the four data files by name, else nothing is read.
inline constexpr const char* kNotADataFile =
    "読み込めるのは MENDATA1.txt、BEST1.txt、MENDATA2.txt、BEST2.txt のどれかです。";
inline constexpr const char* kRecordsPutBack = "を読み込みました。";
// The game folder could not be locked; the game goes on, unguarded against a second copy.
inline constexpr const char* kNoSingleCopyLock =
    "このフォルダーで KELVORA がひとつだけ動いていることを確かめられませんでした。\n"
    "KELVORA を同時に二つ起動すると、記録が上書きされることがあります。";
inline constexpr const char* kNoPreparedStages = "用意された面がありません。";

// The hint.
inline constexpr const char* kHintTitle = "ヒント";
inline constexpr const char* kHintNotRecorded =
    "ヒントを見たので、この面はクリアしても記録されません。";
// "あと 7 手": the moves still needed, the hinted one included.
std::string MovesLeft(int moves);
inline constexpr const char* kHintTablesBuilding =
    "最短手順の表を作っています。\n初めてのヒントのときだけ、1 分ほどかかります。";
inline constexpr const char* kHintCancel = "キャンセル";
inline constexpr const char* kHintTablesFailed = "ヒントの表を作れませんでした。";
// The records window: the player's results against par, their replays and the shortest
// solutions.
inline constexpr const char* kShowRecords = "記録(&K)";
inline constexpr const char* kRecordsTitle = "記録";
inline constexpr const char* kPreparedList = "用意された面(&M)";
inline constexpr const char* kArchiveList = "ランダム面(&A)";
inline constexpr const char* kStageColumn = "面";
inline constexpr const char* kBestColumn = "ベスト";
inline constexpr const char* kParColumn = "最短";
inline constexpr const char* kAtParColumn = "最短で";
inline constexpr const char* kEntryColumn = "番号";
inline constexpr const char* kMovesColumn = "手数";
// Shown where the best equals par, and what a screen reader says of it.
inline constexpr const char* kAtParMark = "◎";
inline constexpr const char* kSpokenAtPar = "最短どおり";
inline constexpr const char* kSpokenNoFigure = "なし";
// "30 面中 12 面クリア、うち 8 面が最短手数"
std::string PreparedSummary(int stages, int solved, int atPar);
// "ランダム面 7 / 50 面、ベスト 23 手" (or "ベストなし" before the first).
std::string ArchiveSummary(int stages, int capacity, std::optional<int> best);
inline constexpr const char* kReplay = "再生(&R)";
inline constexpr const char* kShortest = "最短手順(&O)";
inline constexpr const char* kSpeed = "速さ(&V)";
inline constexpr const char* kSpeeds[] = {"ゆっくり", "ふつう", "速い"};
inline constexpr const char* kPause = "一時停止(&P)";
inline constexpr const char* kResume = "再開(&P)";
inline constexpr const char* kStep = "1 手進める(&N)";
inline constexpr const char* kStop = "停止(&T)";
inline constexpr const char* kClose = "閉じる(&C)";
inline constexpr const char* kReplayBoard = "再生の盤面";
// What plays: "第 3面 のベスト", "ランダム面 4", "第 3面 の最短手順".
std::string PreparedRecordTitle(int stage);
std::string ArchiveRecordTitle(int entry);
std::string PreparedShortestTitle(int stage);
std::string ArchiveShortestTitle(int entry);
// "手数 5 / 12"
std::string ReplayCount(int played, int moves);
inline constexpr const char* kChooseStage = "面を選んでください。";
inline constexpr const char* kNoRecordYet = "この面にはまだ記録がありません。";
inline constexpr const char* kRecordDoesNotReplay =
    "この記録の手順では、面の始めからゴールに着きません（ファイルが書き換えられたようです）。"
    "再生しません。";
inline constexpr const char* kFindingShortest = "最短手順を探しています…";
inline constexpr const char* kShortestFailed = "最短手順の表を作れませんでした。";
inline constexpr const char* kArchiveFull =
    "ランダム面の記録は 50 面でいっぱいのため、この面は記録されませんでした。\n\n"
    "記録を続けるには、ゲームを終了してから MENDATA2.txt と BEST2.txt を別のフォルダーへ"
    "移してください（詳しくは README）。次の起動から新しい記録が始まります。";
// A data file the game cannot start with: its path, the line (0: the file as a whole) and what
// belongs there.
std::string DamagedDataFile(const std::string& path, int line, const std::string& expected);
// The player's records folder could not be made, or filled with the delivered files at the first
// start: the folder or file, and why.
Phrase RecordsNotPrepared(const std::string& path, const Phrase& reason);
// Saves that did not reach the disk: each file's path with the reason.
std::string SaveFailed(const std::vector<std::pair<std::string, std::string>>& pathsAndReasons);

// Why a data file could not be read or written, and what belongs in its place, in both
// languages: the game shows the Japanese, the tools print the English.
namespace reason {
inline const Phrase kWriteDenied{"書き込みが許可されていません", "permission to write is denied"};
inline const Phrase kReadDenied{"読み取りが許可されていません", "permission to read is denied"};
inline const Phrase kReadOnlyPlace{"読み取り専用の場所です", "the file system is read-only"};
inline const Phrase kDiskFull{"ディスクの空き容量が足りません", "the disk is full"};
inline const Phrase kNoFolder{"フォルダーが見つかりません", "the folder does not exist"};
inline const Phrase kNoFile{"ファイルがありません", "there is no such file"};
inline const Phrase kDiskError{"ディスクの読み書きでエラーが起きました",
                               "the disk reported an input/output error"};
inline const Phrase kFolderNotFile{"ファイルではなくフォルダーです", "it is a folder, not a file"};
inline const Phrase kReadOnlyFile{"読み取り専用のファイルです", "the file is read-only"};
inline const Phrase kFileInUse{"ほかのプログラムがファイルを使っています",
                               "another program is using the file"};
inline const Phrase kFolderInUse{"ほかの KELVORA がこのフォルダーを使っています",
                                 "another copy of the game is using this folder"};
inline const Phrase kFolderNotMade{"フォルダーを作れません", "the folder cannot be made"};
inline const Phrase kFolderUnlockable{"このフォルダーには鍵をかけられません",
                                      "this folder cannot be locked"};
}  // namespace reason

namespace expected {
inline const Phrase kStageFile{"面のデータが入ったファイル（ファイルがありません）",
                               "a file holding the stages (there is no such file)"};
Phrase ReadableFile(const Phrase& reason);
inline const Phrase kStageCount{"0 から 50 までの面の数", "a number of stages from 0 to 50"};
Phrase RecordCount(int most, const std::string& stageFile);
inline const Phrase kTileCode{"1 から 13 までのタイル番号", "a tile code from 1 to 13"};
inline const Phrase kGoalsTiles{
    "ここから 16 行に、ゴールと同じ組み合わせのタイル"
    "（1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13）",
    "from here, 16 lines holding the goal's tiles "
    "(1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13)"};
inline const Phrase kMoveCount{"0 以上の手数", "a move count of 0 or more"};
inline const Phrase kHistory{"A から T の手順文字を二重引用符で囲んだ文字列",
                             "move letters A to T between double quotation marks"};
inline const Phrase kFileEndsHere{"（ファイルがここで終わっています）", " (the file ends here)"};
}  // namespace expected

}  // namespace kelvora::text
