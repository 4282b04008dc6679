#include "app/shared/ProgramInfo.hpp"

#include "app/shared/Settings.hpp"
#include "startup/SaveLoad.hpp"

namespace zorvek::frontend {

namespace {

constexpr const char* kVersion = ZORVEK_VERSION;

std::string Folder(const std::string& dir, const char* below) {
  std::string path = dir.empty() ? std::string(".") : dir;
  if (path.back() != '/') path += '/';
  return path + below;
}

}  // namespace

std::string GameVersion() { return kVersion; }

std::string VersionText(const std::string& program) {
  return program + " (Zorvek) " + GameVersion() +
         "\nJuego de rol de mazmorras contado en texto y sonido posicional, para jugar\n"
         "con el teclado y un lector de pantalla.\n";
}

std::string FilesHelp(const GamePlaces& places) {
  std::string text = "Archivos:\n";
  text += "  partida guardada (A.dat a F.dat): " + Folder(places.ProgramDir, "") + "\n";
  if (!places.Installed) {
    const std::string data = UserDataDirectory().string();
    if (!data.empty()) {
      text += "    (si en esa carpeta no se puede escribir: " + Folder(data, "") + ")\n";
    }
  }
  text += "  sonidos del juego: " + Folder(places.DataDir, "Sonidos/") + "\n";
  if (!places.OwnDataDir.empty()) {
    text += "  sonidos propios, que sustituyen a los del mismo nombre: " +
            Folder(places.OwnDataDir, "Sonidos/") + "\n";
  }
  return text;
}

std::string SettingsHelp() {
  const std::string path = SettingsPath().string();
  return "  ajustes (volúmenes, voz, lectura de coordenadas): " +
         (path.empty() ? std::string("ninguno (sin HOME ni XDG_CONFIG_HOME)") : path) + "\n";
}

}  // namespace zorvek::frontend
