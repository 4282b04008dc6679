// zorvek-lines: what zorvek-script's events say, as the lines a player would read.
//   zorvek-script --dir DIR SCRIPT | zorvek-lines
#include <iostream>
#include <string>

#include "app/tty/Transcript.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  zorvek::tty::TranscriptReader reader(std::cout);
  for (std::string line; std::getline(std::cin, line);) reader.Read(line);
  reader.Finish();
  return 0;
}
