#include "app/shared/ProgramDir.hpp"

#include <unistd.h>

namespace zorvek::frontend {

std::string ExecutableDir() {
  std::string buffer(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return ".";
  buffer.resize(static_cast<std::size_t>(n));
  auto slash = buffer.rfind('/');
  return slash == std::string::npos ? "." : buffer.substr(0, slash);
}

}  // namespace zorvek::frontend
