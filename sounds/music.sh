# Recipes of the music. Each tune is one phrase of several voices, repeated to more than a
# minute; the phrase ends as quietly as it starts, so the file loops without a seam.

# render_tune OUT REPEATS REVERB LAYER...: mixes the stereo layers of a phrase, repeats
# it, adds the room and writes the MP3.
render_tune() {
  local out=$1 reps=$2 rev=$3
  shift 3
  mix "$TMP/tune_phrase.wav" "$@"
  fx "$TMP/tune_phrase.wav" "$TMP/tune_long.wav" repeat "$((reps - 1))" gain -8 reverb "$rev" 50 90 \
    fade t 0.02 -0 1.2
  finish_music "$TMP/tune_long.wav" "$out"
}

# Phase 1, the caves: slow and dark, a low drone in A minor, a lonely plucked line and
# water dripping far away.
make_Caverna() {
  voice "$TMP/c_pad1.wav" pad 0.5 "A2:8 F2:4 E2:4"
  voice "$TMP/c_pad2.wav" pad 0.5 "E3:8 C3:4 B2:4" -5
  voice "$TMP/c_mel.wav" pluck 0.5 "A4:2 0:1 C5:1 E5:2 0:2 D5:1 C5:1 B4:2 0:2 E4:2" -2
  voice "$TMP/c_drip.wav" bell 0.5 "0:5 A6:1 0:6 E6:1 0:3" -14
  place "$TMP/c_pad1.wav" "$TMP/c_l1.wav" 0.7 0.7
  place "$TMP/c_pad2.wav" "$TMP/c_l2.wav" 0.5 0.8
  place "$TMP/c_mel.wav" "$TMP/c_l3.wav" 0.8 0.5
  place "$TMP/c_drip.wav" "$TMP/c_l4.wav" 0.3 0.9
  render_tune "$OUT/Caverna.mp3" 8 70 "$TMP/c_l1.wav" "$TMP/c_l2.wav" "$TMP/c_l3.wav" "$TMP/c_l4.wav"
}

# Phase 2, the deep caves: a heartbeat, a restless ostinato with a tritone, a shifting drone.
make_Caverna2() {
  voice "$TMP/d_heart.wav" kick 0.4 "1:0.5 1:0.5 0:3 1:0.5 1:0.5 0:3 1:0.5 1:0.5 0:3 1:0.5 1:0.5 0:3"
  voice "$TMP/d_ost.wav" pluck 0.4 "D3:1 F3:1 G#3:1 A3:1 D3:1 F3:1 G#3:1 A3:1 D3:1 F3:1 G#3:1 A3:1 C#3:1 E3:1 G3:1 A3:1" -4
  voice "$TMP/d_pad.wav" pad 0.4 "D2:8 C#2:8" -2
  voice "$TMP/d_bell.wav" bell 0.4 "0:12 D6:2 C#6:2" -12
  place "$TMP/d_heart.wav" "$TMP/d_l1.wav" 0.8 0.8
  place "$TMP/d_ost.wav" "$TMP/d_l2.wav" 0.5 0.8
  place "$TMP/d_pad.wav" "$TMP/d_l3.wav" 0.7 0.6
  place "$TMP/d_bell.wav" "$TMP/d_l4.wav" 0.8 0.3
  render_tune "$OUT/Caverna2.mp3" 10 60 "$TMP/d_l1.wav" "$TMP/d_l2.wav" "$TMP/d_l3.wav" "$TMP/d_l4.wav"
}

# Phase 3, the forest: light and open, a flute over a plucked G major, birds calling.
make_Bosque() {
  voice "$TMP/f_mel.wav" flute 0.35 "G5:2 A5:1 B5:1 D6:2 B5:2 A5:2 G5:1 E5:1 D5:4 E5:1 G5:1 A5:2 G5:4"
  voice "$TMP/f_arp.wav" pluck 0.35 "G3:1 B3:1 D4:1 B3:1 G3:1 B3:1 D4:1 B3:1 C3:1 E3:1 G3:1 E3:1 C3:1 E3:1 G3:1 E3:1 D3:1 F#3:1 A3:1 F#3:1 G3:1 B3:1 D4:1 G4:1" -6
  voice "$TMP/f_bird.wav" bell 0.35 "0:6 E7:0.25 0:0.25 G7:0.25 0:11.25 E7:0.25 0:5.75" -16
  place "$TMP/f_mel.wav" "$TMP/f_l1.wav" 0.75 0.65
  place "$TMP/f_arp.wav" "$TMP/f_l2.wav" 0.55 0.8
  place "$TMP/f_bird.wav" "$TMP/f_l3.wav" 0.9 0.2
  render_tune "$OUT/Bosque.mp3" 8 40 "$TMP/f_l1.wav" "$TMP/f_l2.wav" "$TMP/f_l3.wav"
}

# Phase 4, the barracks: a march in E minor, drums and a brass call.
make_Cuartel() {
  voice "$TMP/q_kick.wav" kick 0.3 "1:1 0:1 1:1 0:1 1:1 0:1 1:1 0:1 1:1 0:1 1:1 0:1 1:1 0:1 1:1 0:1"
  voice "$TMP/q_snare.wav" snare 0.3 "0:1 1:1 0:1 1:0.5 1:0.5 0:1 1:1 0:1 1:0.5 1:0.5 0:1 1:1 0:1 1:0.5 1:0.5 0:1 1:1 0:1 1:0.5 1:0.5" -8
  voice "$TMP/q_mel.wav" brass 0.3 "E4:1 E4:0.5 E4:0.5 G4:1 E4:1 B4:2 A4:1 G4:1 F#4:1 F#4:0.5 F#4:0.5 A4:1 F#4:1 E4:4" -2
  voice "$TMP/q_bass.wav" bass 0.3 "E2:4 C2:4 D2:4 B1:4" -3
  place "$TMP/q_kick.wav" "$TMP/q_l1.wav" 0.8 0.8
  place "$TMP/q_snare.wav" "$TMP/q_l2.wav" 0.6 0.8
  place "$TMP/q_mel.wav" "$TMP/q_l3.wav" 0.8 0.6
  place "$TMP/q_bass.wav" "$TMP/q_l4.wav" 0.7 0.7
  render_tune "$OUT/Cuartel.mp3" 14 30 "$TMP/q_l1.wav" "$TMP/q_l2.wav" "$TMP/q_l3.wav" "$TMP/q_l4.wav"
}

# Phase 5, the vapours: uneasy, two drones beating against each other, a whole-tone
# bell line and bursts of steam.
make_Vapores() {
  voice "$TMP/v_p1.wav" pad 0.5 "110:16"
  voice "$TMP/v_p2.wav" pad 0.5 "113:16"
  voice "$TMP/v_mel.wav" bell 0.5 "C5:3 D5:1 E5:3 F#5:1 G#5:4 F#5:2 D5:2" -6
  voice "$TMP/v_hiss.wav" hiss 0.5 "0:6 1:2 0:6 1:2" -14
  place "$TMP/v_p1.wav" "$TMP/v_l1.wav" 0.9 0.4
  place "$TMP/v_p2.wav" "$TMP/v_l2.wav" 0.4 0.9
  place "$TMP/v_mel.wav" "$TMP/v_l3.wav" 0.7 0.7
  place "$TMP/v_hiss.wav" "$TMP/v_l4.wav" 0.5 0.8
  render_tune "$OUT/Vapores.mp3" 8 80 "$TMP/v_l1.wav" "$TMP/v_l2.wav" "$TMP/v_l3.wav" "$TMP/v_l4.wav"
}

# The way out: a triumphant fanfare in C major, played once at the end of the game.
make_Salida() {
  voice "$TMP/s_mel.wav" brass 0.4 "C5:2 G4:1 C5:1 E5:2 D5:1 C5:1 D5:2 G4:2 0:4 E5:2 D5:1 E5:1 G5:2 F5:1 E5:1 D5:4 C5:4"
  voice "$TMP/s_pad.wav" pad 0.4 "C3:8 G2:8 F2:8 G2:4 C3:4" -4
  voice "$TMP/s_kick.wav" kick 0.4 "1:4 1:4 1:4 1:4 1:4 1:4 1:4 1:4" -6
  place "$TMP/s_mel.wav" "$TMP/s_l1.wav" 0.8 0.7
  place "$TMP/s_pad.wav" "$TMP/s_l2.wav" 0.6 0.8
  place "$TMP/s_kick.wav" "$TMP/s_l3.wav" 0.7 0.7
  render_tune "$OUT/Salida.mp3" 4 50 "$TMP/s_l1.wav" "$TMP/s_l2.wav" "$TMP/s_l3.wav"
}

# The start menu: a sea shanty in D dorian with a rolling 6/8 lilt and waves breaking.
make_Song_of_the_seas() {
  voice "$TMP/m_mel.wav" flute 0.25 "D5:2 A4:1 D5:2 E5:1 F5:2 E5:1 D5:3 C5:2 A4:1 C5:2 D5:1 E5:3 0:3 D5:2 A4:1 D5:2 E5:1 F5:2 G5:1 A5:3 G5:2 E5:1 C5:2 E5:1 D5:6"
  voice "$TMP/m_acc.wav" pluck 0.25 "D3:3 A3:3 D3:3 A3:3 C3:3 G3:3 C3:3 G3:3 D3:3 A3:3 F3:3 A3:3 C3:3 G3:3 D3:6" -5
  gen "$TMP/m_waves.wav" synth 12 pinknoise lowpass 500 tremolo 0.25 90 gain -12
  place "$TMP/m_mel.wav" "$TMP/m_l1.wav" 0.75 0.65
  place "$TMP/m_acc.wav" "$TMP/m_l2.wav" 0.6 0.8
  place "$TMP/m_waves.wav" "$TMP/m_l3.wav" 0.7 0.7
  render_tune "$OUT/Song_of_the_seas.mp3" 6 50 "$TMP/m_l1.wav" "$TMP/m_l2.wav" "$TMP/m_l3.wav"
}

MUSIC=(Caverna Caverna2 Bosque Cuartel Vapores Salida Song_of_the_seas)
