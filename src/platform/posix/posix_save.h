// Saving a whole file so that no byte of the old one is ever lost, and the file keeps what
// makes it the user's: its owner, group, mode, extended attributes and ACLs, its hard links
// and the symbolic link that names it.
//
// The new text goes into a temporary file beside the target, is flushed and renamed over it
// when that is safe (the folder is writable, the file has one name and its owner, group and
// attributes can be carried over); otherwise the old content is kept in a flushed copy, the
// file is written in place and put back from the copy should the write fail. A file the user
// may not write is refused, never replaced.
#pragma once

#include <string>
#include <string_view>

#include "platform/posix/posix_calls.h"

namespace quillet {

// The start of every temporary name made while saving target (a path without links): a hidden
// name in folder made of target's name, cut to leave room for the rest, and a check sum of the
// whole path; six random characters complete it. Any valid name gives a valid temporary name.
std::string SaveTempPrefix(const std::string& folder, const std::string& target);

// Makes data the whole content of path (links followed; a dangling link gets its file). When
// keepOldAs is not empty and path exists, the old content then stays on under that name,
// replacing what was there only once the new text is safely on the disk; not being able to
// keep it does not fail the save. Leftovers of an earlier save that crashed are removed after
// a successful one. On failure path (and keepOldAs) are as they were and error holds the
// system's text.
bool SaveFileSafely(PosixCalls& calls, const std::string& path, std::string_view data,
                    const std::string& keepOldAs, std::string& error);

}  // namespace quillet
