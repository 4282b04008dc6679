#pragma once

#include <string>

namespace zorvek::frontend {

// The directory of the running binary, the program's directory by default (its saves and
// its Sonidos live there); "." when it cannot be told.
std::string ExecutableDir();

}  // namespace zorvek::frontend
