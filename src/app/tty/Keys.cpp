#include "app/tty/Keys.hpp"

#include <array>

namespace zorvek::tty {

namespace {

constexpr char kEsc = '\x1b';
constexpr int16_t kShift = 1;
constexpr int16_t kControl = 2;
constexpr int16_t kAlt = 4;

// The game's codes of the keys that are no letter or digit.
constexpr int16_t kBackspace = 8;
constexpr int16_t kTab = 9;
constexpr int16_t kClear = 12;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kSpace = 32;
constexpr int16_t kPageUp = 33;
constexpr int16_t kPageDown = 34;
constexpr int16_t kEnd = 35;
constexpr int16_t kHome = 36;
constexpr int16_t kLeft = 37;
constexpr int16_t kUp = 38;
constexpr int16_t kRight = 39;
constexpr int16_t kDown = 40;
constexpr int16_t kInsert = 45;
constexpr int16_t kDelete = 46;
constexpr int16_t kKeypad0 = 96;
constexpr int16_t kF1 = 112;

int16_t F(int n) { return static_cast<int16_t>(kF1 + n - 1); }

// What came of the bytes at the front of the buffer.
struct Parsed {
  enum class What { Key, Incomplete } Is = What::Key;
  Key Result;
  std::size_t Used = 0;
};

Parsed Incomplete() { return {Parsed::What::Incomplete, {}, 0}; }
Parsed Done(Key key, std::size_t used) { return {Parsed::What::Key, std::move(key), used}; }
Parsed Unknown(std::size_t used) { return Done(Key{}, used); }
Key Coded(int16_t code, int16_t shift = 0) { return Key{code, shift, {}}; }

// xterm's modifier parameter: 1 + (Shift 1, Alt 2, Control 4, Meta 8).
int16_t ModifiersOf(int param) {
  if (param < 2) return 0;
  int bits = param - 1;
  int16_t mask = 0;
  if (bits & 1) mask |= kShift;
  if (bits & 2) mask |= kAlt;
  if (bits & 4) mask |= kControl;
  if (bits & 8) mask |= kAlt;  // Meta is taken as Alt
  return mask;
}

// The key of one printable character (ASCII or a decoded UTF-8 letter).
Key CharacterKey(char32_t c, std::string text) {
  int16_t code = 0;
  if (c >= 'a' && c <= 'z') code = static_cast<int16_t>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') code = static_cast<int16_t>(c);
  if (c >= '0' && c <= '9') code = static_cast<int16_t>(c);
  if (c == ' ') code = kSpace;
  // Keys of a Spanish keyboard's main block that have codes of their own.
  struct Sign {
    char32_t Char;
    int16_t Code;
  };
  static constexpr std::array<Sign, 12> kSigns = {{{U'+', 187},
                                                   {U',', 188},
                                                   {U'-', 189},
                                                   {U'.', 190},
                                                   {U'ç', 191},
                                                   {U'Ç', 191},
                                                   {U'ñ', 192},
                                                   {U'Ñ', 192},
                                                   {U'\'', 219},
                                                   {U'¡', 221},
                                                   {U'<', 226},
                                                   {U'*', 106}}};
  for (const Sign& s : kSigns) {
    if (s.Char == c) code = s.Code;
  }
  return Key{code, 0, std::move(text)};
}

// One UTF-8 character at `from`: a character key, Incomplete, or Unknown for bytes
// that are no UTF-8.
Parsed Utf8At(std::string_view b, std::size_t from) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  unsigned char lead = byte(from);
  int length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    return Unknown(from + 1);
  }
  for (int i = 1; i < length; ++i) {
    if (from + static_cast<std::size_t>(i) >= b.size()) return Incomplete();
    unsigned char next = byte(from + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) return Unknown(from + static_cast<std::size_t>(i));
    c = (c << 6) | (next & 0x3F);
  }
  bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    return Unknown(from + static_cast<std::size_t>(length));
  }
  std::size_t used = from + static_cast<std::size_t>(length);
  return Done(CharacterKey(c, std::string(b.substr(from, static_cast<std::size_t>(length)))), used);
}

// A single byte that is not Escape, or the start of a UTF-8 letter.
Parsed Plain(std::string_view b, std::size_t from) {
  unsigned char c = static_cast<unsigned char>(b[from]);
  std::size_t used = from + 1;
  if (c == '\r') {
    // Terminals in newline mode send CR LF for Enter.
    if (used < b.size() && b[used] == '\n') ++used;
    return Done(Coded(kEnter), used);
  }
  if (c == '\n') return Done(Coded(kEnter), used);
  if (c == '\t') return Done(Coded(kTab), used);
  if (c == 0x08 || c == 0x7F) return Done(Coded(kBackspace), used);
  if (c == 0x00) return Done(Coded(kSpace, kControl), used);
  if (c >= 0x01 && c <= 0x1A) return Done(Coded(static_cast<int16_t>('A' + c - 1), kControl), used);
  if (c < 0x20) return Unknown(used);  // Control with \ ] ^ _
  if (c < 0x80) return Done(CharacterKey(c, std::string(1, static_cast<char>(c))), used);
  return Utf8At(b, from);
}

// The parameters of a CSI sequence, as numbers separated by ';'.
std::vector<int> Params(std::string_view digits) {
  std::vector<int> params(1, 0);
  for (char c : digits) {
    if (c == ';') {
      params.push_back(0);
    } else if (c >= '0' && c <= '9' && params.back() < 100000) {
      params.back() = params.back() * 10 + (c - '0');
    }
  }
  return params;
}

// The key of "CSI n ~" (and of rxvt's "CSI n ^", "CSI n $", "CSI n @").
int16_t TildeKey(int n) {
  switch (n) {
    case 1:
    case 7:
      return kHome;
    case 2:
      return kInsert;
    case 3:
      return kDelete;
    case 4:
    case 8:
      return kEnd;
    case 5:
      return kPageUp;
    case 6:
      return kPageDown;
    default:
      break;
  }
  // F1-F5 (11-15), F6-F10 (17-21), F11-F14 (23-26), F15-F16 (28-29), F17-F20 (31-34):
  // the gaps are those of the VT220's keyboard.
  struct Run {
    int From, To, FirstKey;
  };
  static constexpr std::array<Run, 5> kRuns = {
      {{11, 15, 1}, {17, 21, 6}, {23, 26, 11}, {28, 29, 15}, {31, 34, 17}}};
  for (const Run& r : kRuns) {
    if (n >= r.From && n <= r.To) return F(r.FirstKey + n - r.From);
  }
  return 0;
}

// A character's key with modifiers, as "CSI 27;m;k~" and "CSI k;m u" report them.
Key ReportedCharacter(int codepoint, int16_t mods) {
  Key key;
  if (codepoint == 13) key = Coded(kEnter);
  if (codepoint == 9) key = Coded(kTab);
  if (codepoint == 27) key = Coded(kEscape);
  if (codepoint == 127 || codepoint == 8) key = Coded(kBackspace);
  if (codepoint >= 32 && codepoint < 127) {
    key = CharacterKey(static_cast<char32_t>(codepoint), {});
  }
  key.Text.clear();
  key.Shift = static_cast<int16_t>(key.Shift | mods);
  if (key.Code >= 'A' && key.Code <= 'Z') key.Shift &= ~kShift;  // case is no modifier
  return key;
}

// The keys that CSI and SS3 sequences share by their final byte: the arrows, Home, End,
// the keypad's middle key, F1 to F4, and rxvt's arrows with a modifier (lower case).
int16_t FinalKey(char final) {
  switch (final) {
    case 'A':
    case 'a':
      return kUp;
    case 'B':
    case 'b':
      return kDown;
    case 'C':
    case 'c':
      return kRight;
    case 'D':
    case 'd':
      return kLeft;
    case 'H':
      return kHome;
    case 'F':
      return kEnd;
    case 'E':
      return kClear;
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
      return F(final - 'P' + 1);
    default:
      return 0;
  }
}

// A sequence whose parameters run to `end`: Incomplete while its final byte may still
// come, Unknown when none will (too long, or broken off by a control byte, which is then
// a key of its own); nullopt when the final byte is there.
std::optional<Parsed> Unfinished(std::string_view b, std::size_t end) {
  if (end >= b.size()) {
    return b.size() > KeyDecoder::kLongestSequence ? Unknown(b.size()) : Incomplete();
  }
  auto final = static_cast<unsigned char>(b[end]);
  if (final < 0x20 || final > 0x7E) return Unknown(end);
  return std::nullopt;
}

// "ESC [ ...": parameters, then one final byte.
Parsed Csi(std::string_view b) {
  if (b.size() < 3) return Incomplete();
  if (b[2] == '[') {
    // The Linux console's F1 to F5: ESC [ [ A to ESC [ [ E.
    if (b.size() < 4) return Incomplete();
    if (b[3] >= 'A' && b[3] <= 'E') return Done(Coded(F(b[3] - 'A' + 1)), 4);
    return Unknown(4);
  }
  std::size_t i = 2;
  while (i < b.size() && b[i] >= 0x30 && b[i] <= 0x3F) ++i;
  if (auto unfinished = Unfinished(b, i)) return *unfinished;
  char final = b[i];
  std::size_t used = i + 1;
  if (final >= 0x20 && final <= 0x2F && final != '$') {
    // Intermediate bytes: no key of ours has them; skip to the final byte.
    while (used < b.size() && b[used] >= 0x20 && b[used] <= 0x2F) ++used;
    if (used >= b.size()) return Incomplete();
    return Unknown(used + 1);
  }
  std::vector<int> p = Params(b.substr(2, i - 2));
  int16_t mods = p.size() >= 2 ? ModifiersOf(p[1]) : 0;
  if (final == 'Z') return Done(Coded(kTab, kShift), used);
  // rxvt's Shift + arrow is a lower-case final.
  if (int16_t code = FinalKey(final)) {
    return Done(Coded(code, final >= 'a' ? kShift : mods), used);
  }
  switch (final) {
    case 'u':
      return Done(ReportedCharacter(p[0], mods), used);
    case '~':
    case '^':
    case '$':
    case '@': {
      if (p[0] == 27 && p.size() >= 3 && final == '~') {
        return Done(ReportedCharacter(p[2], ModifiersOf(p[1])), used);
      }
      int16_t code = TildeKey(p[0]);
      if (code == 0) return Unknown(used);
      if (final == '^') mods |= kControl;
      if (final == '$') mods |= kShift;
      if (final == '@') mods |= kControl | kShift;
      return Done(Coded(code, mods), used);
    }
    default:
      return Unknown(used);
  }
}

// "ESC O ...": the keys of application mode, F1 to F4, and rxvt's Control + arrow.
Parsed Ss3(std::string_view b) {
  std::size_t i = 2;
  while (i < b.size() && b[i] >= '0' && b[i] <= '9') ++i;
  if (auto unfinished = Unfinished(b, i)) return *unfinished;
  char final = b[i];
  std::size_t used = i + 1;
  int16_t mods = i > 2 ? ModifiersOf(Params(b.substr(2, i - 2))[0]) : 0;
  if (final == 'M') return Done(Coded(kEnter, mods), used);
  // rxvt's Control + arrow is a lower-case final.
  if (int16_t code = FinalKey(final)) {
    return Done(Coded(code, final >= 'a' ? kControl : mods), used);
  }
  // The numeric keypad in application mode: its digits are no menu digits.
  if (final >= 'p' && final <= 'y')
    return Done(Coded(static_cast<int16_t>(kKeypad0 + final - 'p')), used);
  if (final >= 'j' && final <= 'o')
    return Done(Coded(static_cast<int16_t>(106 + final - 'j')), used);
  return Unknown(used);
}

// Escape and what follows it: a sequence, an Alt key, or Shift + Tab on the console.
Parsed Escaped(std::string_view b) {
  if (b.size() < 2) return Incomplete();
  unsigned char next = static_cast<unsigned char>(b[1]);
  if (next == '[') return Csi(b);
  if (next == 'O') {
    if (b.size() < 3) return Incomplete();
    return Ss3(b);
  }
  if (next == static_cast<unsigned char>(kEsc)) return Done(Coded(kEscape), 1);
  if (next == '\t') return Done(Coded(kTab, kShift), 2);  // the Linux console's Shift + Tab
  Parsed alt = Plain(b, 1);
  if (alt.Is == Parsed::What::Incomplete) return alt;
  alt.Result.Shift = static_cast<int16_t>(alt.Result.Shift | kAlt);
  alt.Result.Text.clear();
  return alt;
}

Parsed ParseOne(std::string_view b) {
  if (b.front() == kEsc) return Escaped(b);
  return Plain(b, 0);
}

}  // namespace

std::vector<Key> KeyDecoder::Feed(std::string_view bytes) {
  // A CR LF that two reads split is still one Enter.
  if (afterCr_ && pending_.empty() && !bytes.empty() && bytes.front() == '\n') {
    bytes.remove_prefix(1);
  }
  afterCr_ = false;
  pending_.append(bytes);
  std::vector<Key> keys;
  std::size_t at = 0;
  while (at < pending_.size()) {
    Parsed p = ParseOne(std::string_view(pending_).substr(at));
    if (p.Is == Parsed::What::Incomplete) break;
    keys.push_back(std::move(p.Result));
    at += p.Used;
  }
  afterCr_ = at == pending_.size() && !keys.empty() && keys.back().Code == kEnter &&
             pending_[at - 1] == '\r';
  pending_.erase(0, at);
  if (pending_.size() > kLongestSequence) {
    keys.push_back(Key{});
    pending_.clear();
  }
  return keys;
}

std::vector<Key> KeyDecoder::Timeout() {
  std::vector<Key> keys;
  if (pending_.empty()) return keys;
  if (pending_.size() == 1 && pending_[0] == kEsc) {
    keys.push_back(Coded(kEscape));
  } else if (pending_.size() == 2 && pending_[0] == kEsc && pending_[1] > 0x20 &&
             pending_[1] < 0x7F) {
    // Alt with '[' or 'O', which also start sequences.
    Key alt = CharacterKey(static_cast<char32_t>(pending_[1]), {});
    alt.Shift = kAlt;
    keys.push_back(alt);
  } else {
    keys.push_back(Key{});
  }
  pending_.clear();
  return keys;
}

std::optional<GameKey> GameKeyOf(const Key& key) {
  if (key.Code == 0) return std::nullopt;
  bool alt = (key.Shift & kAlt) != 0;
  bool control = (key.Shift & kControl) != 0;
  if (alt && !control && key.Code >= '0' && key.Code <= '9') {
    return GameKey{key.Code, static_cast<int16_t>((key.Shift & ~kAlt) | kControl)};
  }
  if (alt && !control && key.Code == 'L') return GameKey{F(5), kShift | kControl};
  return GameKey{key.Code, key.Shift};
}

bool IsInterrupt(const Key& key) { return key.Code == 'C' && key.Shift == kControl; }

bool IsCloseWindow(const Key& key) { return key.Code == 'Q' && key.Shift == kControl; }

bool IsHelp(const Key& key) { return key.Text == "?"; }

std::string_view TerminalHelp() {
  return "Zorvek en la terminal: las teclas del juego son las de siempre (F1: su ayuda), con "
         "estas diferencias:\n"
         "Alt + número (o Escape y el número enseguida) hace de Control + número: recoger ese "
         "objeto.\n"
         "Alt + L hace de Mayúsculas + Control + F5: comprobar el laberinto.\n"
         "Control + Q cierra la partida y vuelve al menú de inicio; en el menú, sale. "
         "Control + C sale del programa.\n"
         "En las ventanas: Tabulador y Mayúsculas + Tabulador van de un control a otro, las "
         "flechas se mueven en una lista o un grupo de opciones, Enter o Espacio activan y "
         "Escape cierra la ventana. Enter en el inventario del grupo abre las opciones del "
         "objeto.\n"
         "En los mensajes, Enter acepta, s responde Sí y n responde No. En las preguntas, "
         "escriba la respuesta y pulse Enter; Escape cancela.\n"
         "Como en el escritorio: F9 y F10 repasan los textos ya dichos, F11 repite el último, "
         "F6 abre los ajustes de volumen y F12 da la ayuda de todas las teclas.\n"
         "?: esta ayuda.";
}

}  // namespace zorvek::tty
