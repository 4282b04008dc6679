// The bytes a terminal sends, as the terminal game decodes them into keys. Besides
// crashes and hangs it looks for keys that depend on how the bytes were split into
// reads: the same bytes fed whole or one at a time give the same keys. (Not for a run
// longer than any sequence a terminal sends: where such garbage is cut, and so what
// is read after it, depends on the reads.)
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/tty/Keys.hpp"

namespace {

using zorvek::tty::Key;
using zorvek::tty::KeyDecoder;

void Fail(const char* what) {
  std::cerr << what << '\n';
  std::abort();
}

std::string Shown(const std::vector<Key>& keys) {
  std::string text;
  for (const Key& k : keys) {
    text += "(" + std::to_string(k.Code) + "," + std::to_string(k.Shift) + ",";
    for (unsigned char c : k.Text) text += "\\x" + std::to_string(c);
    text += ") ";
  }
  return text;
}

void Check(const KeyDecoder&, const std::vector<Key>& keys) {
  for (const Key& key : keys) {
    GameKeyOf(key);
    IsInterrupt(key);
    IsCloseWindow(key);
    IsHelp(key);
    if (key.Shift < 0 || key.Shift > 7) Fail("a key with modifiers beyond Shift, Control and Alt");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  KeyDecoder whole;
  std::vector<Key> fromWhole = whole.Feed(bytes);
  Check(whole, fromWhole);
  std::vector<Key> restWhole = whole.Timeout();
  if (whole.Waiting()) Fail("something still waits after the wait ran out");

  // The longest run of bytes from an Escape to the next Escape or the end.
  std::size_t longest = 0;
  for (std::size_t at = bytes.find('\x1b'); at != std::string_view::npos;) {
    const std::size_t next = bytes.find('\x1b', at + 1);
    longest = std::max(longest, (next == std::string_view::npos ? bytes.size() : next) - at);
    at = next;
  }
  const bool comparable = longest <= KeyDecoder::kLongestSequence;

  KeyDecoder single;
  std::vector<Key> fromSingle;
  for (char c : bytes) {
    std::vector<Key> keys = single.Feed(std::string_view(&c, 1));
    Check(single, keys);
    fromSingle.insert(fromSingle.end(), keys.begin(), keys.end());
  }
  std::vector<Key> restSingle = single.Timeout();
  if (comparable && (fromWhole != fromSingle || restWhole != restSingle)) {
    std::cerr << "whole: " << Shown(fromWhole) << "| " << Shown(restWhole) << '\n'
              << "one at a time: " << Shown(fromSingle) << "| " << Shown(restSingle) << '\n';
    Fail("the same bytes give other keys when they come one at a time");
  }

  // A wait that ends after every byte: every byte still ends as keys, with no fault.
  KeyDecoder hurried;
  for (char c : bytes) {
    Check(hurried, hurried.Feed(std::string_view(&c, 1)));
    if (hurried.Waiting()) Check(hurried, hurried.Timeout());
  }
  return 0;
}
