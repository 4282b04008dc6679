#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <system_error>

#include "audio/SdlSound.hpp"

namespace zorvek::audio {

namespace {

namespace fs = std::filesystem;

constexpr double kDbPerVolumeUnit = 0.3;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The entry of `dir` whose name matches `name` ignoring case; empty when there is none.
// An exact match wins over the others.
fs::path FindEntry(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  const fs::path where = dir.empty() ? fs::path(".") : dir;
  if (fs::exists(where / name, ec)) return dir / name;
  for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (SameIgnoringCase(entry, name)) return dir / entry;
  }
  return {};
}

}  // namespace

StereoGains PanGains(int32_t pan) {
  const double clamped = std::clamp<int32_t>(pan, -100, 100);
  const double angle = (clamped + 100.0) / 200.0 * (std::numbers::pi / 2.0);
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

float VolumeGain(int32_t volume) {
  if (volume <= 0) return 0.0f;
  if (volume >= 100) return 1.0f;
  return static_cast<float>(std::pow(10.0, -kDbPerVolumeUnit * (100 - volume) / 20.0));
}

std::string FindFileIgnoringCase(const std::string& path) {
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  const fs::path wanted(slashed);
  std::error_code ec;
  if (fs::exists(wanted, ec)) return slashed;

  fs::path found = wanted.root_path();
  for (const fs::path& part : wanted.relative_path()) {
    const std::string name = part.string();
    if (name.empty() || name == "." || name == "..") {
      found /= part;
      continue;
    }
    fs::path entry = FindEntry(found, name);
    if (entry.empty()) return slashed;
    found = std::move(entry);
  }
  return found.string();
}

std::string FindSoundFile(const std::string& path, const std::string& gameDir,
                          const std::string& ownDir) {
  if (!gameDir.empty() && !ownDir.empty()) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    const fs::path below = fs::path(slashed).lexically_normal().lexically_relative(
        fs::path(gameDir).lexically_normal());
    if (!below.empty() && *below.begin() != ".." && below != ".") {
      const std::string own = FindFileIgnoringCase((fs::path(ownDir) / below).string());
      std::error_code ec;
      if (fs::is_regular_file(own, ec)) return own;
    }
  }
  return FindFileIgnoringCase(path);
}

}  // namespace zorvek::audio
