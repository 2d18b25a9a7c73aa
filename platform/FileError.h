// What a failed file operation means to the player and to the tools, from its errno value.
#pragma once

#include "core/Status.h"
#include "text/Phrase.h"

namespace kelvora::platform {

// The reason for a failed file operation, in words for the player and for the tools.
Phrase DescribeFileError(int error, bool writing);

// The failure as a Status: its code for a program to act on, its reason for a person.
Status FileError(int error, bool writing);

}  // namespace kelvora::platform
