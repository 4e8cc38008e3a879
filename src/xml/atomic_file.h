// Files are written whole, durably, or not at all: the bytes go to a temporary file in the
// target's folder, which is flushed to disk, renamed over the target, and the folder flushed
// after the rename, so that neither a failed write nor a power cut brings back a half or an old
// file.
#pragma once

#include <string>
#include <string_view>

namespace xml {

// Writes `bytes` as the file `path`. Throws xml::Error with a Polish message naming the file;
// the old file then stays as it was. A save through a symbolic link writes the file the link
// points to and keeps the link; a target marked read-only (or not writable by this user) is
// refused rather than replaced; temporary files that a killed save left in the folder are
// removed first.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Past the file-size limit (RLIMIT_FSIZE) the kernel's default is to kill the process with
// SIGXFSZ; ignored, the write fails with EFBIG and the save reports it. Leaves a handler someone
// installed alone. WriteFileAtomically calls it; a writer of its own may call it too.
void KeepRunningPastFileSizeLimit();

}  // namespace xml
