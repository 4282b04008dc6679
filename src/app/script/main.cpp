#include <unistd.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/script/Runner.hpp"

namespace {

// The directory of the running binary: the program's directory by default.
std::string ExecutableDir() {
  std::string buffer(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return ".";
  buffer.resize(static_cast<std::size_t>(n));
  auto slash = buffer.rfind('/');
  return slash == std::string::npos ? "." : buffer.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zorvek::script;
  CommandLine cl = ParseCommandLine(argc, argv, ExecutableDir());
  if (!cl.Error.empty()) {
    std::cerr << cl.Error << '\n';
    return kExitMalformed;
  }
  std::stringstream script;
  if (cl.ScriptPath == "-") {
    script << std::cin.rdbuf();
  } else {
    std::ifstream file(cl.ScriptPath, std::ios::binary);
    if (!file) {
      std::cerr << "no se puede leer el guion " << cl.ScriptPath << '\n';
      return kExitMalformed;
    }
    script << file.rdbuf();
  }
  return RunScript(cl.Options, script.str(), std::cout, std::cerr);
}
