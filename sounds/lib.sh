# Helpers shared by the sound recipes: every sound is synthesised with sox.
# Effects are mono 16-bit 44.1 kHz WAV; music is stereo MP3 at the same rate.

RATE=44100

# gen OUT SYNTH... EFFECTS...: synthesise a mono sound. The tones are taken 12 dB down
# before the effects run, so that resonant filters have room and never clip.
gen() {
  local out=$1
  shift
  local args=() inserted=0 a
  for a in "$@"; do
    if [ "$inserted" = 0 ] && [[ $a =~ ^[a-z]+$ ]]; then
      case $a in
        synth | sine | square | triangle | sawtooth | trapezium | exp | whitenoise | pinknoise | \
          brownnoise | pluck | noise | tpdfnoise | create | mix | amod | fmod) ;;
        *)
          args+=(gain -12)
          inserted=1
          ;;
      esac
    fi
    args+=("$a")
  done
  [ "$inserted" = 0 ] && args+=(gain -12)
  sox -q -D -n -r "$RATE" -c 1 -b 32 "$out" "${args[@]}"
}

# fx IN OUT EFFECTS...: run sox effects over a file.
fx() {
  local in=$1 out=$2
  shift 2
  sox -q -D "$in" "$out" "$@"
}

# mix OUT IN...: sums the inputs, each scaled by 1/N so that nothing clips (shorter ones
# end in silence). Every file is normalised when it is finished.
mix() {
  local out=$1
  shift
  if [ $# -eq 1 ]; then
    cp "$1" "$out"
    return
  fi
  local args=()
  local f
  for f in "$@"; do args+=("$f"); done
  sox -q -D -m "${args[@]}" "$out"
}

# at IN SECONDS OUT: the sound starting after a delay.
at() { sox -q -D "$1" "$3" pad "$2"; }

# cat_files OUT IN...: the inputs one after another.
cat_files() {
  local out=$1
  shift
  sox -q -D "$@" "$out"
}

# samples SECONDS: a duration as a whole number of samples.
samples() { awk -v s="$1" -v r="$RATE" 'BEGIN { printf "%d", s * r + 0.5 }'; }

# loopify IN OUT LOOP_SECONDS XFADE_SECONDS: a seamless loop of LOOP seconds cut from a
# sound at least LOOP + XFADE long: the tail past the loop is cross-faded (constant
# power) into the start, so the last sample runs on into the first.
loopify() {
  local in=$1 out=$2
  local l x
  l=$(samples "$3")
  x=$(samples "$4")
  fx "$in" "$TMP/loop_a.wav" trim "${x}s" "${l}s" fade q 0 "${l}s" "${x}s"
  fx "$in" "$TMP/loop_b.wav" trim 0 "${x}s" fade q "${x}s" pad "$((l - x))s"
  mix "$TMP/loop_m.wav" "$TMP/loop_a.wav" "$TMP/loop_b.wav"
  fx "$TMP/loop_m.wav" "$out" trim 0 "${l}s"
}

# finish_effect IN OUT [PEAK_DB]: a 16-bit mono WAV whose peak sits at PEAK_DB (-1).
finish_effect() {
  sox -q -D "$1" -b 16 -c 1 -r "$RATE" "$2" gain -n "${3:--1}"
}

# finish_music IN OUT: a stereo MP3 whose peak sits at -4 dBFS, below the effects.
finish_music() {
  sox -q -D "$1" -C 128 -c 2 -r "$RATE" "$2" gain -n -4
}

# note OUT VOICE FREQ SECONDS [GAIN_DB]: one note of a tune with its own envelope,
# filling exactly SECONDS (a rest when FREQ is 0).
#   pluck: plucked string; bell: struck bell; flute: soft sine with breath;
#   brass: filtered sawtooth; pad: slow swelling chord tone; bass: round low tone.
note() {
  local out=$1 voice=$2 freq=$3 len=$4 g=${5:-0}
  if [ "$freq" = 0 ]; then
    gen "$out" trim 0 "$len"
    return
  fi
  local rel
  rel=$(awk -v l="$len" 'BEGIN { printf "%.4f", (l > 0.3 ? l * 0.4 : l * 0.6) }')
  case $voice in
    pluck) gen "$out" synth "$len" pluck "$freq" fade q 0.003 "$len" "$rel" gain "$g" ;;
    bell)
      gen "$out" synth "$len" sine "$freq" \
        synth "$len" sine mix "$(awk -v f="$freq" 'BEGIN{print f*2.76}')" \
        synth "$len" sine mix "$(awk -v f="$freq" 'BEGIN{print f*5.4}')" \
        fade l 0.002 "$len" "$len" gain "$g"
      ;;
    flute)
      gen "$out" synth "$len" sine "$freq" synth "$len" sine mix "$(awk -v f="$freq" 'BEGIN{print f*2}')" \
        tremolo 5 12 fade h 0.06 "$len" "$rel" gain "$g"
      ;;
    brass)
      gen "$out" synth "$len" sawtooth "$freq" lowpass "$(awk -v f="$freq" 'BEGIN{print f*4}')" \
        fade h 0.03 "$len" "$rel" gain "$g"
      ;;
    pad) gen "$out" synth "$len" triangle "$freq" lowpass 1200 fade h "$(awk -v l="$len" 'BEGIN{print l*0.35}')" "$len" "$(awk -v l="$len" 'BEGIN{print l*0.45}')" gain "$g" ;;
    bass)
      gen "$out" synth "$len" sine "$freq" synth "$len" sine mix "$(awk -v f="$freq" 'BEGIN{print f*2}')" \
        fade h 0.01 "$len" "$rel" gain "$g"
      ;;
    kick) gen "$out" synth "$len" sine 110/45 fade q 0.002 "$len" "$(awk -v l="$len" 'BEGIN{print l*0.9}')" gain "$g" ;;
    snare)
      gen "$out" synth "$len" whitenoise bandpass 2200 0.7q synth "$len" sine mix 190 \
        fade q 0.001 "$len" "$(awk -v l="$len" 'BEGIN{print l*0.95}')" gain "$g"
      ;;
    hiss) gen "$out" synth "$len" whitenoise highpass 4000 fade h "$(awk -v l="$len" 'BEGIN{print l*0.3}')" "$len" "$(awk -v l="$len" 'BEGIN{print l*0.6}')" gain "$g" ;;
    *)
      echo "unknown voice $voice" >&2
      return 1
      ;;
  esac
}

# hz NOTE: the frequency of a note name such as A4, F#3 or Bb2 (a number passes through).
hz() {
  awk -v n="$1" 'BEGIN {
    if (n ~ /^[0-9.]+$/) { print n; exit }
    semis["C"] = 0; semis["D"] = 2; semis["E"] = 4; semis["F"] = 5
    semis["G"] = 7; semis["A"] = 9; semis["B"] = 11
    s = semis[substr(n, 1, 1)]; rest = substr(n, 2)
    if (substr(rest, 1, 1) == "#") { s++; rest = substr(rest, 2) }
    else if (substr(rest, 1, 1) == "b") { s--; rest = substr(rest, 2) }
    printf "%.3f", 440 * 2 ^ ((12 * (rest + 1) + s - 69) / 12)
  }'
}

# voice OUT VOICE BEAT_SECONDS "NOTE:BEATS ..." [GAIN_DB]: a line of notes; a NOTE is a
# note name, a frequency in Hz or 0 for a rest, BEATS how many beats it lasts.
voice() {
  local out=$1 kind=$2 beat=$3 line=$4 g=${5:-0}
  local files=() i=0 item f b len
  for item in $line; do
    f=$(hz "${item%%:*}")
    b=${item##*:}
    len=$(awk -v b="$b" -v t="$beat" 'BEGIN { printf "%.5f", b * t }')
    note "$TMP/v_${i}.wav" "$kind" "$f" "$len" "$g"
    files+=("$TMP/v_${i}.wav")
    i=$((i + 1))
  done
  cat_files "$out" "${files[@]}"
}

# place IN OUT LEFT RIGHT: a mono line placed in the stereo field.
place() { fx "$1" "$2" remix "1v$3" "1v$4"; }
