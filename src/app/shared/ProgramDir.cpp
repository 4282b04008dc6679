#include "app/shared/ProgramDir.hpp"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "startup/SaveLoad.hpp"

namespace zorvek::frontend {

namespace fs = std::filesystem;

namespace {

// Where the installed game's files lie seen from its binary's folder, as the build was
// told to install them (for example "../share/games/zorvek").
constexpr const char* kDataFromGames = ZORVEK_DATA_FROM_GAMES;

}  // namespace

std::string ExecutableDir() {
  std::string buffer(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return ".";
  buffer.resize(static_cast<std::size_t>(n));
  auto slash = buffer.rfind('/');
  return slash == std::string::npos ? "." : buffer.substr(0, slash);
}

GamePlaces FindPlaces(const std::string& executableDir) {
  std::error_code ec;
  const fs::path data = fs::weakly_canonical(fs::path(executableDir) / kDataFromGames, ec);
  if (ec || !fs::is_directory(data / "Sonidos", ec)) return PlacesIn(executableDir);
  const std::string own = UserDataDirectory().string();
  return GamePlaces{own, data.string(), own, true};
}

GamePlaces PlacesIn(const std::string& dir) { return GamePlaces{dir, dir, {}, false}; }

}  // namespace zorvek::frontend
