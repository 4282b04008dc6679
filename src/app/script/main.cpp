#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/script/Runner.hpp"
#include "app/shared/ProgramDir.hpp"

int main(int argc, char** argv) {
  using namespace zorvek::script;
  CommandLine cl = ParseCommandLine(argc, argv, zorvek::frontend::ExecutableDir());
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
