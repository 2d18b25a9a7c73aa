// Wiring of the core and the modes.
#include "modes/Kelvora.h"

namespace kelvora {

Kelvora::Kelvora(Screen& screen, RandomSource& random, FileStore& store, std::string programFolder)
    : game_(screen, random),
      files_(tables_, store, std::move(programFolder)),
      best_(game_.State(), tables_, screen),
      prepared_(game_, tables_, files_, best_),
      random_(game_, tables_, files_, best_) {
  game_.SetModeHooks(this);
}

}  // namespace kelvora
