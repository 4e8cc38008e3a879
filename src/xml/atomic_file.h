// Files are written whole or not at all: the bytes go to a temporary file in the target's
// folder, which replaces the target only after a complete write.
#pragma once

#include <string>
#include <string_view>

namespace xml {

// Throws xml::Error with a Polish message naming the file; the old file then stays as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace xml
