// A piece of text in both of the game's languages: Japanese for the player's window, English
// for the command-line tools, so neither ever shows a line that mixes the two.
#pragma once

#include <string>

namespace kelvora {

struct Phrase {
  std::string japanese;
  std::string english;

  bool operator==(const Phrase&) const = default;

  // Both halves followed by their own halves of another phrase.
  Phrase operator+(const Phrase& more) const {
    return {japanese + more.japanese, english + more.english};
  }
};

}  // namespace kelvora
