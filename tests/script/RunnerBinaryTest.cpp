#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

struct Outcome {
  int Code = -1;
  std::string Out;
};

// Runs the real zorvek-script binary on a script text.
Outcome RunBinary(const std::string& args, const std::string& script) {
  // CTest runs these cases in parallel: each writes its own script file.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = ::testing::TempDir() + "zorvek_" + test->name() + ".zs";
  std::ofstream(path) << script;
  std::string command = std::string(ZORVEK_SCRIPT_BINARY) + " " + args + " " + path + " 2>&1";
  Outcome o;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return o;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) o.Out += buffer.data();
  int status = pclose(pipe);
  o.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return o;
}

TEST(RunnerBinary, MalformedScriptsAndBadOptionsExitWithTwo) {
  Outcome bad = RunBinary("--seed 1", "key Up\nwalk north\n");
  EXPECT_EQ(bad.Code, 2);
  EXPECT_NE(bad.Out.find("línea 2"), std::string::npos);
  EXPECT_EQ(bad.Out.find("\"e\":"), std::string::npos);  // nothing of the script ran
  EXPECT_EQ(RunBinary("--difficulty 4", "dump\n").Code, 2);
  EXPECT_EQ(RunBinary("--seed 1", "enter 999\n").Code, 2);
}

TEST(RunnerBinary, UnansweredQuestionsEndTheRunWithThree) {
  std::string script;
  for (int i = 0; i < 60; ++i) script += "key F8\n";
  EXPECT_EQ(RunBinary("--seed 1", script).Code, 3);
  std::string answered;
  for (int i = 0; i < 60; ++i) answered += "answer no\nkey F8\n";
  EXPECT_EQ(RunBinary("--seed 1", answered).Code, 0);
}

}  // namespace
