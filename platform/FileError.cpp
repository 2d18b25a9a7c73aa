// The errno values a save or a read meets, in words and as codes.
#include "platform/FileError.h"

#include <cerrno>
#include <cstring>

#include "text/GameText.h"

namespace kelvora::platform {

Phrase DescribeFileError(int error, bool writing) {
  switch (error) {
    case EACCES:
    case EPERM:
      return writing ? text::reason::kWriteDenied : text::reason::kReadDenied;
    case EROFS:
      return text::reason::kReadOnlyPlace;
    case ENOSPC:
#ifdef EDQUOT  // a quota: POSIX systems only
    case EDQUOT:
#endif
      return text::reason::kDiskFull;
    case ENOENT:
      return text::reason::kNoFolder;
    case EIO:
      return text::reason::kDiskError;
    case EBUSY:
      return text::reason::kFileInUse;
    default:
      return {std::strerror(error), std::strerror(error)};
  }
}

Status FileError(int error, bool writing) {
  using Code = Status::Code;
  Code code = Code::kIoError;
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      code = Code::kDenied;
      break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      code = Code::kNoSpace;
      break;
    case ENOENT:
      code = Code::kNotFound;
      break;
    case EBUSY:
      code = Code::kBusy;
      break;
    case ENOMEM:
      code = Code::kOutOfMemory;
      break;
    default:
      break;
  }
  return Status::Failed(code, DescribeFileError(error, writing));
}

}  // namespace kelvora::platform
