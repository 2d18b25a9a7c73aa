// A fixed script of menu commands, clicks and stage steps played on the real window through both
// modes; what the window shows after every step and the data files at the end must stay exactly
// as recorded in golden/play-script.txt. Run with KELVORA_UPDATE_GOLDEN=1 to record it anew, only
// when a change of what the player sees is intended.
#include <QAction>
#include <QFile>
#include <QLabel>

#include "tests/ui/UiFixture.h"

namespace kelvora::testing {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class GoldenPlay : public UiFixture {
 protected:
  void Menu(const char* name) {
    auto* action = form->findChild<QAction*>(QString::fromUtf8(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }

  // Move letters click their tile or arrow, '<' and '>' the "back" and "next" labels, 'p' and
  // 'r' the two start commands of the menu.
  void Do(char step) {
    if (Move::FromLetter(step)) {
      Play(step);
    } else if (step == '<' || step == '>') {
      QTest::mouseClick(form->Label(8, step == '<' ? 0 : 1), Qt::LeftButton);
    } else if (step == 'p') {
      Menu("メニュー選択面");
    } else if (step == 'r') {
      Menu("メニューランダム面");
    }
  }

  std::string Screen() const {
    std::string text = "tiles";
    for (int i = 0; i < 16; ++i) text += " " + std::to_string(form->Image1(i)->PictureNumber());
    text += "\n";
    const std::pair<int, int> labels[] = {{4, 0}, {6, 0}, {7, 0},  {8, 0},
                                          {8, 1}, {9, 0}, {10, 0}, {11, 0}};
    for (auto [number, index] : labels) {
      const QLabel* label = form->Label(number, index);
      text += "Label" + std::to_string(number) +
              (number == 8 ? "(" + std::to_string(index) + ")" : std::string()) +
              (label->isVisible() ? " shown " : " hidden ") + "\"" + label->text().toStdString() +
              "\"\n";
    }
    return text;
  }
};

TEST_F(GoldenPlay, AFixedScriptThroughBothModesShowsAndSavesExactlyAsRecorded) {
  std::vector<double> draws = ShuffleDraws({{0, 12}, {4, 12}, {8, 12}});  // solved by S
  const std::vector<double> second = ShuffleDraws({{0, 8}, {4, 12}});     // solved by SS
  draws.insert(draws.end(), second.begin(), second.end());
  random = ScriptedRandom(draws);
  for (const char* file : {"MENDATA1.txt", "MENDATA2.txt", "BEST1.txt", "BEST2.txt"}) {
    WriteFile(file, ReadAll(std::string(KELVORA_DELIVERED_DATA "/") + file));
  }
  OpenOnFolder();
  std::string transcript = "start\n" + Screen();
  // Stage 1 is solved by S, stage 2 by MT (the stages first delivered: 30 of them).
  const std::string script =
      "AQ"
      "p"
      "AQSS"
      ">M"
      "p<>>"
      "MT"
      "pS"
      "p>M<>MT"
      "rARTS"
      "rAMSS"
      "rQp"
      "pQSSQ";
  for (std::size_t i = 0; i < script.size(); ++i) {
    Do(script[i]);
    transcript += "step " + std::to_string(i + 1) + " '" + script[i] + "'\n" + Screen();
  }
  for (const char* file : {"MENDATA2.txt", "BEST1.txt", "BEST2.txt"}) {
    transcript += std::string("file ") + file + "\n" + ReadFile(file) + "\n";
  }

  const std::string golden = KELVORA_GOLDEN_DIR "/play-script.txt";
  if (qEnvironmentVariableIsSet("KELVORA_UPDATE_GOLDEN")) {
    std::ofstream(golden, std::ios::binary) << transcript;
    GTEST_SKIP() << "recorded " << golden;
  }
  const std::string expected = ReadAll(golden);
  ASSERT_FALSE(expected.empty()) << golden << " is missing";
  // Compared line by line, so a difference names the step it appears in.
  std::istringstream got(transcript);
  std::istringstream want(expected);
  std::string gotLine;
  std::string wantLine;
  std::string step;
  while (std::getline(want, wantLine)) {
    if (!std::getline(got, gotLine)) gotLine = "(transcript ends)";
    if (wantLine.rfind("step", 0) == 0) step = wantLine;
    ASSERT_EQ(gotLine, wantLine) << "at " << step;
  }
  EXPECT_FALSE(std::getline(got, gotLine)) << "the transcript goes on: " << gotLine;
}

}  // namespace
}  // namespace kelvora::testing
