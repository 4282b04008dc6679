#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvek {

// Line end of every text area and message.
inline constexpr std::string_view kCrLf = "\r\n";

// Trims blanks (spaces only) from both ends, as names are trimmed before use.
std::string Trim(std::string_view s);

// Case-sensitive "contains", the test the game uses on names ("lave", "Tienda").
bool Contains(std::string_view haystack, std::string_view needle);

// Number of characters (UTF-8 code points) in a text.
std::size_t CharCount(std::string_view s);

// The text cut after `count` characters (code points), never inside a character.
std::string CutChars(std::string_view s, std::size_t count);

// The text from its `first`-th character on (1-based, as Mid$(s, first)).
std::string MidChars(std::string_view s, std::size_t first);

// The last character (code point) of a text, or "" when empty.
std::string LastChar(std::string_view s);

// A name field: text of at most 100 characters, blank-padded on disk and where a text
// shows it "as stored". Trailing blanks are padding, so they are not kept in memory.
class Name100 {
 public:
  static constexpr std::size_t kWidth = 100;

  Name100() = default;
  Name100(std::string_view text) { Assign(text); }    // NOLINT: names are assigned from text
  Name100(const char* text) { Assign(text); }         // NOLINT
  Name100(const std::string& text) { Assign(text); }  // NOLINT

  Name100& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }
  Name100& operator=(const char* text) { return *this = std::string_view(text); }
  Name100& operator=(const std::string& text) { return *this = std::string_view(text); }

  // Trimmed of blanks at both ends: the form names are shown and compared in.
  std::string Trimmed() const { return Trim(text_); }
  // The 100-character field as stored, padded with blanks.
  std::string Padded() const;
  // The text without its padding (leading blanks kept).
  const std::string& Raw() const { return text_; }
  bool IsEmpty() const { return Trimmed().empty(); }

  bool operator==(const Name100& other) const = default;

 private:
  void Assign(std::string_view text);
  std::string text_;
};

}  // namespace zorvek
