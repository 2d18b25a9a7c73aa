// The real system on Linux and other POSIX desktops: the POSIX calls as they are.
#include "platform/PosixCalls.h"

namespace kelvora::platform {

System& System::Default() {
  return PosixCalls();
}

}  // namespace kelvora::platform
