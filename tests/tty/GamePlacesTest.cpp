#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/shared/ProgramDir.hpp"
#include "app/shared/ProgramInfo.hpp"

namespace zorvek::frontend {
namespace {

namespace fs = std::filesystem;

fs::path FreshRoot(const std::string& name) {
  const fs::path root = fs::path(::testing::TempDir()) / ("zorvek_places_" + name);
  fs::remove_all(root);
  fs::create_directories(root);
  return root;
}

// What a command prints on standard output, and its exit status.
std::pair<std::string, int> Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen((command + " </dev/null 2>&1").c_str(), "r");
  if (pipe == nullptr) return {"", -1};
  std::array<char, 4096> buffer{};
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
    out.append(buffer.data(), n);
  return {out, pclose(pipe)};
}

TEST(GamePlaces, AnInstalledGameReadsItsSharedFilesAndKeepsTheSaveInThePlayersFolder) {
  const fs::path root = FreshRoot("installed");
  fs::create_directories(root / "usr" / "games");
  fs::create_directories(root / "usr" / "share" / "games" / "zorvek" / "Sonidos");
  setenv("XDG_DATA_HOME", (root / "home").c_str(), 1);
  const GamePlaces installed = FindPlaces((root / "usr" / "games").string());
  EXPECT_TRUE(installed.Installed);
  EXPECT_EQ(installed.DataDir, (root / "usr" / "share" / "games" / "zorvek").string());
  EXPECT_EQ(installed.ProgramDir, (root / "home" / "zorvek").string());
  EXPECT_EQ(installed.OwnDataDir, installed.ProgramDir);
  const std::string help = FilesHelp(installed);
  EXPECT_NE(help.find(installed.ProgramDir), std::string::npos) << help;
  EXPECT_NE(help.find(installed.DataDir + "/Sonidos/"), std::string::npos) << help;

  // A build folder, with its sounds beside the binary: everything stays there.
  fs::create_directories(root / "build" / "Sonidos");
  const GamePlaces built = FindPlaces((root / "build").string());
  EXPECT_FALSE(built.Installed);
  EXPECT_EQ(built.ProgramDir, (root / "build").string());
  EXPECT_EQ(built.DataDir, built.ProgramDir);
  EXPECT_TRUE(built.OwnDataDir.empty());
  unsetenv("XDG_DATA_HOME");
  fs::remove_all(root);
}

TEST(GamePlaces, TheTerminalGameAnswersHelpAndVersionInSpanishAndNeedsATerminalToPlay) {
  const auto [help, helpStatus] = Output(std::string(ZORVEK_TTY_BINARY) + " --help");
  EXPECT_EQ(helpStatus, 0);
  for (const char* part : {"uso: zorvek-tty", "--escape-wait MS", "muestra la versión",
                           "partida guardada (A.dat a F.dat): ", "sonidos del juego: "}) {
    EXPECT_NE(help.find(part), std::string::npos) << part << "\n" << help;
  }
  const auto [version, versionStatus] = Output(std::string(ZORVEK_TTY_BINARY) + " --version");
  EXPECT_EQ(versionStatus, 0);
  EXPECT_EQ(version.rfind("zorvek-tty (Zorvek) " + GameVersion() + "\n", 0), 0u) << version;
  const auto [wrong, wrongStatus] = Output(std::string(ZORVEK_TTY_BINARY) + " --nada");
  EXPECT_NE(wrongStatus, 0);
  EXPECT_NE(wrong.find("zorvek-tty --help"), std::string::npos) << wrong;
  // Without an option to answer, input that is no terminal is refused.
  const auto [refused, refusedStatus] = Output(ZORVEK_TTY_BINARY);
  EXPECT_EQ(WEXITSTATUS(refusedStatus), 2);
  EXPECT_NE(refused.find("la entrada no es una terminal"), std::string::npos) << refused;
}

}  // namespace
}  // namespace zorvek::frontend
