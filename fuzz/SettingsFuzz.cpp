// The settings file as both front-ends read it at start-up. Besides crashes and hangs
// it looks for settings that could not have been written: a level outside 0 to 100
// that is taken, or settings that do not read back the same once written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "app/shared/Settings.hpp"

namespace {

void Fail(const char* what) {
  std::cerr << what << '\n';
  std::abort();
}

bool Level(int percent) { return percent >= 0 && percent <= 100; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using zorvek::frontend::ParseSettings;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = ParseSettings(text);
  const auto& s = parsed.Values;
  if (parsed.Damaged && !(s == zorvek::frontend::Settings{})) {
    Fail("a damaged file did not give the defaults");
  }
  if (!Level(s.Music) || !Level(s.Effects) || !Level(s.SpeechRate)) {
    Fail("a level outside 0 to 100 was taken");
  }
  const auto again = ParseSettings(zorvek::frontend::SettingsText(s));
  if (again.Damaged || !(again.Values == s)) Fail("the settings do not read back the same");
  return 0;
}
