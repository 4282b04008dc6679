#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Ui.hpp"

namespace zorvek::frontend {

// The game's text with plain line breaks: CR LF, and a lone CR (left when a typed digit
// is taken back after a line end), become '\n'.
std::string PlainLines(std::string_view text);

// What the player is told after one key or one tick of the game window.
//
// The game may clear the data line and write it more than once for one key; the player
// should hear one text, never a blank in between, so the writes wait here until the key
// or tick is done. A screen reader follows only the data line, so the narration's news
// (a room's name and size, "Modo combate activado", the hero who picks things up) is told
// through it: first the news, then the data line's own text, as one announcement that
// neither part cuts short. Narration that only grows has only its addition as news; the
// same narration written again is news again.
class Announcer {
 public:
  // What the three areas show before the game writes anything (no announcement).
  void Reset(std::string_view general, std::string_view data, std::string_view options);

  // A write of the game to an area.
  void Write(TextArea area, std::string_view text);
  bool Pending() const;

  // An area other than the data line as it now reads, in plain lines; `Grows` when the
  // new text only adds to what it showed.
  struct Area {
    TextArea Which = TextArea::TBGeneral;
    std::string Text;
    bool Grows = false;
  };
  struct Announcement {
    std::vector<Area> Areas;
    // The data line as shown and spoken, in plain lines; none when neither the data line
    // was written nor the narration has news.
    std::optional<std::string> Spoken;
  };
  // What the writes since the last call leave for the player.
  Announcement Take();

  // What an area shows now, in plain lines (the data line without the news).
  const std::string& Shown(TextArea area) const { return shown_.at(Slot(area)); }

 private:
  static std::size_t Slot(TextArea a) { return static_cast<std::size_t>(a); }

  std::array<std::optional<std::string>, 3> pending_{};
  std::array<std::string, 3> shown_{};
};

}  // namespace zorvek::frontend
