#include "startup/SaveLoad.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "generation/PhaseChange.hpp"
#include "sound/Sound.hpp"
#include "startup/SaveFormat.hpp"

namespace zorvek {

namespace fs = std::filesystem;
using save_format::kFileCount;
using save_format::SaveFile;
using save_format::SaveProblem;

namespace {

constexpr const char* kSaved = "Partida guardada";
constexpr const char* kLoaded = "Partida cargada";
constexpr const char* kSaveFailed =
    "No se ha podido guardar la partida. La partida guardada anterior se conserva.";
constexpr const char* kSaveHalfDone =
    "No se ha podido guardar la partida por completo. La partida guardada puede haber "
    "quedado dañada.";
constexpr const char* kNoSaveFound = "No se ha encontrado ninguna partida guardada.";
constexpr const char* kGameGoesOn = " La partida actual continúa.";
constexpr const char* kNewGame = " Se juega una partida nueva.";
constexpr const char* kTempleName = "Templo de curación";
constexpr const char* kElsewhere = ", porque en la carpeta del juego no se puede escribir.";

fs::path TempName(const fs::path& dir, std::size_t k) {
  return dir / (std::string(save_format::kFileNames.at(k)) + ".tmp");
}

// Whether a file can be created in the directory: the only sure test is to try.
bool IsWritableDirectory(const fs::path& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return false;
  const fs::path probe = dir / ".zorvek-prueba";
  bool ok = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    if (out) {
      out.put('z');
      out.flush();
      ok = static_cast<bool>(out);
    }
  }
  fs::remove(probe, ec);
  return ok;
}

}  // namespace

fs::path UserDataDirectory() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && *xdg != '\0' && fs::path(xdg).is_absolute()) {
    return fs::path(xdg) / "zorvek";
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return fs::path(home) / ".local" / "share" / "zorvek";
  return {};
}

namespace {

fs::path ProgramDirectory(const Game& game) {
  return game.settings().ProgramDir.empty() ? fs::path(".") : fs::path(game.settings().ProgramDir);
}

// When the newest of the six files of a save in `dir` was written; nullopt without any.
std::optional<fs::file_time_type> SaveTime(const fs::path& dir) {
  std::optional<fs::file_time_type> newest;
  for (const char* name : save_format::kFileNames) {
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(dir / name, ec);
    if (!ec && (!newest || written > *newest)) newest = written;
  }
  return newest;
}

void RemoveTemporaries(const fs::path& dir, std::size_t from) {
  std::error_code ec;
  for (std::size_t k = from; k < kFileCount; ++k) fs::remove(TempName(dir, k), ec);
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const bool written = static_cast<bool>(out);
  out.close();
  return written && !out.fail();
}

enum class SaveOutcome { Saved, NothingChanged, HalfDone };

// All six files go to temporary names first; the old save is only touched once every
// new file is complete on disk.
SaveOutcome WriteSave(const fs::path& dir, const std::array<std::string, kFileCount>& files) {
  std::error_code ec;
  if (dir.empty() || (!fs::is_directory(dir, ec) && !fs::create_directories(dir, ec))) {
    return SaveOutcome::NothingChanged;
  }
  for (std::size_t k = 0; k < kFileCount; ++k) {
    if (!WriteFile(TempName(dir, k), files.at(k))) {
      RemoveTemporaries(dir, 0);
      return SaveOutcome::NothingChanged;
    }
  }
  for (std::size_t k = 0; k < kFileCount; ++k) {
    fs::rename(TempName(dir, k), dir / save_format::kFileNames.at(k), ec);
    if (ec) {
      RemoveTemporaries(dir, k);
      return k == 0 ? SaveOutcome::NothingChanged : SaveOutcome::HalfDone;
    }
  }
  return SaveOutcome::Saved;
}

std::optional<std::string> ReadFile(const fs::path& path, std::uintmax_t size) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  // The file must hold exactly the bytes its size promised: no fewer, no more.
  if (in.gcount() != static_cast<std::streamsize>(size) ||
      in.peek() != std::char_traits<char>::eof())
    return std::nullopt;
  return bytes;
}

// Reads the six files. A file that is absent is a missing file; one that cannot be
// read, or whose size cannot be right, is damaged (and is not read at all).
std::optional<SaveProblem> ReadSave(const fs::path& dir, save_format::SaveBytes& files) {
  for (std::size_t k = 0; k < kFileCount; ++k) {
    const auto file = static_cast<SaveFile>(k);
    const fs::path path = dir / save_format::kFileNames.at(k);
    std::error_code ec;
    if (dir.empty() || !fs::exists(path, ec)) return SaveProblem{file, true};
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || !fs::is_regular_file(path, ec) || !save_format::SizeFits(file, size)) {
      return SaveProblem{file, false};
    }
    files.at(k) = ReadFile(path, size);
    if (!files.at(k)) return SaveProblem{file, false};
  }
  return std::nullopt;
}

bool NoSaveAtAll(const fs::path& dir) {
  if (dir.empty()) return true;
  std::error_code ec;
  return std::none_of(save_format::kFileNames.begin(), save_format::kFileNames.end(),
                      [&](const char* name) { return fs::exists(dir / name, ec); });
}

// The first sentence of a failed load.
std::string ProblemText(const fs::path& dir, const SaveProblem& problem) {
  if (NoSaveAtAll(dir)) return kNoSaveFound;
  const std::string file = save_format::FileName(problem.File);
  if (problem.Missing) {
    return "No se ha podido cargar la partida: falta el archivo " + file + ".";
  }
  return "No se ha podido cargar la partida: el archivo " + file + " está dañado.";
}

// Reads, checks and puts in place the saved game; nullopt when it was loaded.
std::optional<SaveProblem> LoadSave(Game& game, const fs::path& dir) {
  save_format::SaveBytes files;
  if (auto problem = ReadSave(dir, files)) return problem;
  save_format::SavedGame saved;
  if (auto problem = save_format::DecodeSave(files, saved)) return problem;

  game.CursorX = saved.CursorX;
  game.CursorY = saved.CursorY;
  game.Phase = saved.Phase;
  game.CurrentRoomIndex = saved.CurrentRoomIndex;
  game.Difficulty = saved.Difficulty;
  game.AnyRecruited = saved.AnyRecruited;
  game.RecruitingOpen = saved.RecruitingOpen;
  game.RecruitedCount = saved.RecruitedCount;
  // Locks beyond the ones the file names keep the names drawn at start-up.
  for (std::size_t k = 0; k < saved.LockNames.size(); ++k) {
    const int lock = static_cast<int>(k) + 1;
    if (game.LockNames.Has(lock)) game.LockNames(lock) = std::move(saved.LockNames[k]);
  }
  game.Party = std::move(saved.Party);
  game.Bosses = std::move(saved.Bosses);
  game.MonsterCatalogue = std::move(saved.MonsterCatalogue);
  game.DungeonBeings = std::move(saved.DungeonBeings);
  game.CurrentRoom = std::move(saved.CurrentRoom);
  game.Rooms = std::move(saved.Rooms);
  // A cell menu left open names slots of the room the party was in before.
  game.CellMenuState = 0;
  return std::nullopt;
}

// What the player hears and sees in the loaded room, as entering it would give, but
// without entering it: no healing, no message box, no shop.
void RebuildRoomSound(Game& game) {
  namespace ch = effect_channel;
  StopEffect(game, ch::kTemple);
  RefreshBeacons(game, Beacons::Restart);
  const Room& room = game.CurrentRoom;
  const std::string name = room.Name.Trimmed();
  if (name == kTempleName) PlayCue(game, "santuario", game.CursorX, game.CursorY, kFalse);
  game.SetText(TextArea::TBGeneral,
               name + "  " + std::to_string(room.Width) + "X" + std::to_string(room.Height));

  const int16_t last = LastMonsterIn(game, room);
  if (last == 0) {
    game.SetTimer(TimerId::TMRPersecu, false);
  } else {
    const Being& monster = game.DungeonBeings(last);
    PlayCue(game, "pasosm", monster.X, monster.Y, kFalse);
    game.SetTimer(TimerId::TMRPersecu, true);
  }

  for (int exit = 1; exit <= 4; ++exit) StopEffect(game, ch::kFirstWind + exit - 1);
  // The way back is heard as well: a player who cannot see the room finds it by its wind.
  const Exit& back = room.Exits(1);
  if (back.X != 0 || back.Y != 0) PlayCue(game, "puerta1", back.X, back.Y, kFalse);
  for (int exit = 2; exit <= 4; ++exit) {
    const Exit& e = room.Exits(exit);
    if (e.TargetRoom != 0) {
      PlayCue(game, "puerta" + std::to_string(exit), e.X, e.Y, kFalse);
    } else {
      StopEffect(game, ch::kFirstWind + exit - 1);
    }
  }

  const PhaseMusic& music = MusicOfPhase(game.Phase);
  LoadMusic(game, 0, game.SoundDir + music.File);
  StopMusic(game, 0, false);
  PlayMusic(game, 0, false, true);
  SetMusicProperty(game, 0, kVolumeProperty, music.Volume, false);
}

}  // namespace

fs::path SaveDirectory(const Game& game) {
  const fs::path program = ProgramDirectory(game);
  if (IsWritableDirectory(program)) return program;
  return UserDataDirectory();
}

fs::path LoadDirectory(const Game& game) {
  const fs::path program = ProgramDirectory(game);
  const fs::path data = UserDataDirectory();
  const auto inProgram = SaveTime(program);
  const auto inData = data.empty() ? std::nullopt : SaveTime(data);
  if (inData && (!inProgram || *inData > *inProgram)) return data;
  if (inProgram) return program;
  return SaveDirectory(game);
}

bool GuardarPartida(Game& game) {
  game.CellMenuState = 0;
  const fs::path dir = SaveDirectory(game);
  const SaveOutcome outcome = WriteSave(dir, save_format::EncodeSave(game));
  switch (outcome) {
    case SaveOutcome::Saved:
      // A save that could not go beside the game says where it went.
      game.SetText(TextArea::TBDatos,
                   dir == ProgramDirectory(game)
                       ? std::string(kSaved)
                       : std::string(kSaved) + " en " + dir.string() + kElsewhere);
      return true;
    case SaveOutcome::NothingChanged:
      game.SetText(TextArea::TBDatos, kSaveFailed);
      break;
    case SaveOutcome::HalfDone:
      game.SetText(TextArea::TBDatos, kSaveHalfDone);
      break;
  }
  game.ui().Beep();
  return false;
}

bool CargarPartida(Game& game) {
  const fs::path dir = LoadDirectory(game);
  if (auto problem = LoadSave(game, dir)) {
    game.SetText(TextArea::TBDatos, ProblemText(dir, *problem) + kGameGoesOn);
    game.ui().Beep();
    return false;
  }
  RebuildRoomSound(game);
  game.SetText(TextArea::TBDatos, kLoaded);
  return true;
}

void ResumeSavedGame(Game& game) {
  const fs::path dir = LoadDirectory(game);
  if (auto problem = LoadSave(game, dir)) {
    const std::string text = ProblemText(dir, *problem) + kNewGame;
    game.SetText(TextArea::TBDatos, text);
    game.ui().MessageBox(text, Buttons::Ok, "Cargar partida");
    return;
  }
  RebuildRoomSound(game);
  game.SetText(TextArea::TBDatos, kLoaded);
}

}  // namespace zorvek
