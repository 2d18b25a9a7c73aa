// The POSIX system as one object, for the real system of Linux and for the browser's, which keeps
// its files, mappings and folders the same way and differs only around them.
#pragma once

#include "platform/System.h"

namespace kelvora::platform {

// The process's one POSIX system (SystemPosix.cpp).
System& PosixCalls();

}  // namespace kelvora::platform
