// The runner's events read as the terminal game's lines (the demonstration without a
// terminal).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/script/Runner.hpp"
#include "app/tty/Transcript.hpp"

namespace {

TEST(Transcript, TheRunnersEventsReadAsPlainLinesInTheOrderAPlayerMeetsThem) {
  zorvek::script::RunnerOptions options;
  options.Seed = 7;
  options.Dir = ::testing::TempDir();
  std::ostringstream events;
  std::ostringstream errors;
  ASSERT_EQ(zorvek::script::RunScript(options, "key Right\nkey G\nanswer yes\nkey F7\ndump\n",
                                      events, errors),
            0)
      << errors.str();
  std::ostringstream lines;
  zorvek::tty::TranscriptReader reader(lines);
  std::istringstream in(events.str());
  for (std::string line; std::getline(in, line);) EXPECT_TRUE(reader.Read(line)) << line;
  reader.Finish();
  EXPECT_FALSE(reader.Read("{not json"));

  const std::string text = lines.str();
  EXPECT_EQ(text.find('{'), std::string::npos) << "no JSON left";
  EXPECT_EQ(text.find('\r'), std::string::npos) << "plain line ends";
  std::size_t at = 0;
  for (const char* expected :
       {"Calabozos  3X3\n", "1, 1\n", "Tecla Right\n", "2, 1\n", "Tecla G\n",
        "Debe reclutar primero a algún héroe\n", "(pitido)\n", "Tecla F7\n",
        "Guardar partida, mensaje:\n¿Realmente desea guardar la partida? (La grabación anterior "
        "se perderá)\nSí\n",
        "Partida guardada\n"}) {
    std::size_t found = text.find(expected, at);
    ASSERT_NE(found, std::string::npos)
        << "missing after offset " << at << ": " << expected << "\n--- transcript:\n"
        << text;
    at = found + std::string(expected).size();
  }
}

}  // namespace
