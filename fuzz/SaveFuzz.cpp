// The saved game as the game reads it: the six files are written into a folder and
// loaded as F8 loads them. A file that is refused must be refused with a message; one
// that loads must leave a game that keeps its rules while it is played on.
//
// Each target names the file it takes from the input in kFuzzedSaveFile: -1 for all six,
// one after another, each begun by the line kFileMark; 0 for A.dat to 5 for F.dat, the
// other five then coming from a genuine save of the second phase.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "LoadedGame.hpp"
#include "app/script/Session.hpp"
#include "startup/SaveFormat.hpp"
#include "startup/SaveLoad.hpp"

extern const int kFuzzedSaveFile;

namespace {

using namespace zorvek;
using save_format::kFileCount;
using Files = std::array<std::string, kFileCount>;

constexpr std::string_view kFileMark = "=zorvek=\n";

// A save of the second phase with a party of four, as the runner reaches it.
const Files& GenuineSave() {
  static const Files files = [] {
    script::RunnerOptions options;
    options.Seed = 4;
    options.Phase = 2;
    options.Dir = fuzz::ScratchDir().string();
    std::ostringstream events;
    script::Session session(options, events);
    session.Open();
    return save_format::EncodeSave(session.game());
  }();
  return files;
}

// The six files of the input: the parts that follow each mark, up to six of them;
// files not given are missing.
std::array<std::optional<std::string>, kFileCount> SplitInput(std::string_view input) {
  std::array<std::optional<std::string>, kFileCount> files;
  std::size_t at = input.find(kFileMark);
  for (std::size_t k = 0; k < kFileCount && at != std::string_view::npos; ++k) {
    const std::size_t start = at + kFileMark.size();
    at = input.find(kFileMark, start);
    files.at(k) = std::string(input.substr(start, at == std::string_view::npos ? at : at - start));
  }
  return files;
}

void WriteSave(const std::array<std::optional<std::string>, kFileCount>& files) {
  for (std::size_t k = 0; k < kFileCount; ++k) {
    const auto path = fuzz::SaveDir() / save_format::kFileNames.at(k);
    std::filesystem::remove(path);
    if (!files.at(k)) continue;
    std::ofstream out(path, std::ios::binary);
    out.write(files.at(k)->data(), static_cast<std::streamsize>(files.at(k)->size()));
  }
}

// With ZORVEK_FUZZ_WRITE_SEED=DIR the target only writes its input for the genuine save
// into DIR/genuine and ends: scripts/fuzz adds it to the seeds, so that they always
// match the game's own save as it is now written.
void WriteGenuineSeed(const char* dir) {
  std::string seed;
  if (kFuzzedSaveFile < 0) {
    for (const std::string& file : GenuineSave()) seed += std::string(kFileMark) + file;
  } else {
    seed = GenuineSave().at(static_cast<std::size_t>(kFuzzedSaveFile));
  }
  std::ofstream(std::filesystem::path(dir) / "genuine", std::ios::binary) << seed;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::ScratchDir();
  if (const char* dir = std::getenv("ZORVEK_FUZZ_WRITE_SEED")) {
    WriteGenuineSeed(dir);
    std::exit(0);
  }
  GenuineSave();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::optional<std::string>, kFileCount> files;
  if (kFuzzedSaveFile < 0) {
    files = SplitInput(input);
  } else {
    for (std::size_t k = 0; k < kFileCount; ++k) files.at(k) = GenuineSave().at(k);
    files.at(static_cast<std::size_t>(kFuzzedSaveFile)) = std::string(input);
  }
  WriteSave(files);

  testing::TestGame t(RunSettings{fuzz::SaveDir().string(), 11});
  t.Start();
  if (!CargarPartida(t.game)) {
    // A refusal says why, and the game goes on as it was.
    if (t.Data().rfind("No se ha", 0) != 0 || t.ui.Beeps == 0) {
      fuzz::Require({"a refused save said \"" + t.Data() + "\""}, "la carga");
    }
    return 0;
  }
  fuzz::PlayLoadedGame(t);
  return 0;
}
