# Recipes of the sound effects. Each function writes one file into $OUT.
# Effects peak at -1 dBFS; a plain swing peaks a little lower than its hit.

# A footfall: a muffled thud and the scuff of a sole on grit.
footfall() {
  local out=$1 lp=$2 len=$3 g=${4:-0}
  gen "$TMP/ff_thud.wav" synth "$len" brownnoise fade q 0.002 "$len" "$(awk -v l="$len" 'BEGIN{print l*0.9}')" lowpass "$lp" lowpass "$lp"
  gen "$TMP/ff_scuff.wav" synth 0.07 pinknoise highpass 1800 fade q 0.004 0.07 0.06 gain -16
  mix "$out" "$TMP/ff_thud.wav" "$TMP/ff_scuff.wav"
  fx "$out" "$TMP/ff_tmp.wav" gain "$g"
  mv "$TMP/ff_tmp.wav" "$out"
}

# The party's footsteps: two light steps.
make_pasos() {
  footfall "$TMP/p1.wav" 900 0.09
  footfall "$TMP/p2.wav" 800 0.09 -2
  at "$TMP/p2.wav" 0.24 "$TMP/p2d.wav"
  mix "$TMP/pasos.wav" "$TMP/p1.wav" "$TMP/p2d.wav"
  fx "$TMP/pasos.wav" "$TMP/pasos_r.wav" gain -8 reverb 20 50 30 pad 0 0.1
  finish_effect "$TMP/pasos_r.wav" "$OUT/pasos.wav"
}

# A monster's steps: two slow, heavy footfalls with a low body and a claw's scrape.
make_pasosM() {
  gen "$TMP/m_body.wav" synth 0.22 sine 70/38 fade q 0.004 0.22 0.2
  footfall "$TMP/m_thud.wav" 300 0.2
  gen "$TMP/m_claw.wav" synth 0.05 whitenoise highpass 3000 fade q 0.001 0.05 0.045 gain -18
  mix "$TMP/m1.wav" "$TMP/m_body.wav" "$TMP/m_thud.wav" "$TMP/m_claw.wav"
  fx "$TMP/m1.wav" "$TMP/m2.wav" gain -2 pitch -150
  at "$TMP/m2.wav" 0.42 "$TMP/m2d.wav"
  mix "$TMP/pasosM.wav" "$TMP/m1.wav" "$TMP/m2d.wav"
  fx "$TMP/pasosM.wav" "$TMP/pasosM_r.wav" gain -8 reverb 30 50 60 pad 0 0.15
  finish_effect "$TMP/pasosM_r.wav" "$OUT/pasosM.wav"
}

# A metallic click: ringing partials of a small piece of iron.
click() {
  local out=$1 f=$2 len=${3:-0.04}
  gen "$TMP/ck_n.wav" synth 0.006 whitenoise highpass 2500 fade q 0.0005 0.006 0.005
  gen "$TMP/ck_r.wav" synth "$len" sine "$f" synth "$len" sine mix "$(awk -v f="$f" 'BEGIN{print f*1.73}')" \
    fade l 0.001 "$len" "$len" gain -6
  mix "$out" "$TMP/ck_n.wav" "$TMP/ck_r.wav"
}

# A key turning in a lock: it slides in, the wards tick over and the bolt clunks back.
make_llave() {
  gen "$TMP/k_slide.wav" synth 0.12 pinknoise highpass 3000 fade q 0.02 0.12 0.05 gain -14
  click "$TMP/k_c1.wav" 3100
  click "$TMP/k_c2.wav" 3400
  click "$TMP/k_c3.wav" 2900
  gen "$TMP/k_clunk_b.wav" synth 0.12 sine 420 synth 0.12 sine mix 690 fade l 0.001 0.12 0.11
  gen "$TMP/k_clunk_n.wav" synth 0.03 brownnoise fade q 0.001 0.03 0.028 lowpass 1500
  mix "$TMP/k_clunk.wav" "$TMP/k_clunk_b.wav" "$TMP/k_clunk_n.wav"
  at "$TMP/k_c1.wav" 0.13 "$TMP/k_c1d.wav"
  at "$TMP/k_c2.wav" 0.21 "$TMP/k_c2d.wav"
  at "$TMP/k_c3.wav" 0.29 "$TMP/k_c3d.wav"
  at "$TMP/k_clunk.wav" 0.40 "$TMP/k_clunkd.wav"
  mix "$TMP/llave.wav" "$TMP/k_slide.wav" "$TMP/k_c1d.wav" "$TMP/k_c2d.wav" "$TMP/k_c3d.wav" "$TMP/k_clunkd.wav"
  fx "$TMP/llave.wav" "$TMP/llave_r.wav" gain -8 reverb 15 50 20 pad 0 0.1
  finish_effect "$TMP/llave_r.wav" "$OUT/llave.wav"
}

# Wind through an opening, gusting twice in the loop (loop of 4 s).
make_Viento() {
  gen "$TMP/w_air.wav" synth 4.5 pinknoise lowpass 1400 highpass 120
  gen "$TMP/w_howl.wav" synth 4.5 pinknoise bandpass 620 4q bandpass 620 4q gain 6
  mix "$TMP/w.wav" "$TMP/w_air.wav" "$TMP/w_howl.wav"
  fx "$TMP/w.wav" "$TMP/w_g.wav" tremolo 0.5 45
  loopify "$TMP/w_g.wav" "$TMP/Viento.wav" 4 0.5
  finish_effect "$TMP/Viento.wav" "$OUT/Viento.wav"
}

# One bubble: a short tone that rises as the bubble nears the surface.
bubble() {
  local out=$1 f=$2 len=${3:-0.05}
  local f2
  f2=$(awk -v f="$f" 'BEGIN{print f*1.6}')
  gen "$out" synth "$len" sine "$f/$f2" fade q 0.004 "$len" "$(awk -v l="$len" 'BEGIN{print l*0.8}')"
}

# Bubbling water around an object lying next to the party (loop of 1.2 s).
make_Burbujas() {
  local files=() i=0 step t f len
  gen "$TMP/b_bed.wav" synth 1.4 brownnoise lowpass 500 gain -26
  files+=("$TMP/b_bed.wav")
  for step in 0.02:520:0.05 0.13:760:0.04 0.27:430:0.06 0.36:980:0.035 0.52:610:0.05 \
    0.61:840:0.04 0.78:500:0.06 0.90:1100:0.03 1.02:700:0.045 1.16:560:0.05 1.27:900:0.04; do
    IFS=: read -r t f len <<<"$step"
    bubble "$TMP/b_$i.wav" "$f" "$len"
    at "$TMP/b_$i.wav" "$t" "$TMP/b_${i}d.wav"
    files+=("$TMP/b_${i}d.wav")
    i=$((i + 1))
  done
  mix "$TMP/b.wav" "${files[@]}"
  loopify "$TMP/b.wav" "$TMP/Burbujas.wav" 1.2 0.15
  finish_effect "$TMP/Burbujas.wav" "$OUT/Burbujas.wav"
}

# Taking an object: a rustle and two rising chime notes.
make_Recoger() {
  gen "$TMP/r_rustle.wav" synth 0.1 pinknoise highpass 1200 fade q 0.01 0.1 0.06 gain -10
  note "$TMP/r_n1.wav" bell 1046.5 0.16
  note "$TMP/r_n2.wav" bell 1568 0.3
  at "$TMP/r_n1.wav" 0.05 "$TMP/r_n1d.wav"
  at "$TMP/r_n2.wav" 0.14 "$TMP/r_n2d.wav"
  mix "$TMP/recoger.wav" "$TMP/r_rustle.wav" "$TMP/r_n1d.wav" "$TMP/r_n2d.wav"
  finish_effect "$TMP/recoger.wav" "$OUT/Recoger.wav"
}

# Stairs: quick steps going down a stone stairwell, each a little deeper and echoing.
make_Escalera() {
  local files=() i
  for i in 0 1 2 3 4 5; do
    footfall "$TMP/e_$i.wav" "$((1100 - i * 120))" 0.08 "$((-i))"
    at "$TMP/e_$i.wav" "$(awk -v i="$i" 'BEGIN{print i*0.19}')" "$TMP/e_${i}d.wav"
    files+=("$TMP/e_${i}d.wav")
  done
  mix "$TMP/esc.wav" "${files[@]}"
  fx "$TMP/esc.wav" "$TMP/esc_r.wav" pad 0 0.6 gain -8 reverb 60 40 100 echo 0.8 0.7 120 0.25
  finish_effect "$TMP/esc_r.wav" "$OUT/Escalera.wav"
}

# A temple's calm: a soft open chord that breathes slowly (loop of 6 s; every tone has
# a whole number of cycles in the loop so it joins itself).
make_Santuario() {
  gen "$TMP/s_1.wav" synth 12 sine 131 synth 12 sine mix 196
  gen "$TMP/s_2.wav" synth 12 sine 262 synth 12 sine mix 330 gain -6
  gen "$TMP/s_3.wav" synth 12 sine 392 synth 12 sine mix 523 gain -12
  mix "$TMP/s.wav" "$TMP/s_1.wav" "$TMP/s_2.wav" "$TMP/s_3.wav"
  fx "$TMP/s.wav" "$TMP/s_t.wav" tremolo 0.5 30 gain -8 reverb 70 50 100
  fx "$TMP/s_t.wav" "$TMP/s_steady.wav" trim 5
  loopify "$TMP/s_steady.wav" "$TMP/Santuario.wav" 6 0.5
  finish_effect "$TMP/Santuario.wav" "$OUT/Santuario.wav"
}

# A level gained: a brass fanfare climbing the major chord to a held top note.
make_SubirNivel() {
  voice "$TMP/sn_mel.wav" brass 0.11 "523.25:1 659.25:1 783.99:1 1046.5:6"
  voice "$TMP/sn_low.wav" brass 0.11 "0:3 523.25:6" -8
  gen "$TMP/sn_sh.wav" synth 0.5 pinknoise highpass 5000 fade q 0.01 0.5 0.45 gain -24
  at "$TMP/sn_sh.wav" 0.33 "$TMP/sn_shd.wav"
  mix "$TMP/sn.wav" "$TMP/sn_mel.wav" "$TMP/sn_low.wav" "$TMP/sn_shd.wav"
  fx "$TMP/sn.wav" "$TMP/sn_r.wav" pad 0 0.3 gain -8 reverb 40 50 70
  finish_effect "$TMP/sn_r.wav" "$OUT/SubirNivel.wav"
}

# A swing through the air: band-passed noise swelling and dying away.
swing() {
  local out=$1 len=$2 centre=$3 width=$4
  local rise
  rise=$(awk -v l="$len" 'BEGIN{print l*0.45}')
  gen "$out" synth "$len" whitenoise bandpass "$centre" "$width" bandpass "$centre" "$width" \
    fade h "$rise" "$len" "$(awk -v l="$len" -v r="$rise" 'BEGIN{print l-r}')"
}

# A blow landing: a dull body thump, a crack and, for metal, a ring.
impact() {
  local out=$1 low=$2 ring=$3
  gen "$TMP/i_body.wav" synth 0.18 sine "$low/$(awk -v f="$low" 'BEGIN{print f*0.5}')" fade q 0.002 0.18 0.17
  gen "$TMP/i_crack.wav" synth 0.04 whitenoise lowpass 3500 fade q 0.001 0.04 0.038 gain -3
  if [ "$ring" != 0 ]; then
    gen "$TMP/i_ring.wav" synth 0.35 sine "$ring" synth 0.35 sine mix "$(awk -v f="$ring" 'BEGIN{print f*2.41}')" \
      synth 0.35 sine mix "$(awk -v f="$ring" 'BEGIN{print f*3.93}')" fade l 0.001 0.35 0.34 gain -8
    mix "$out" "$TMP/i_body.wav" "$TMP/i_crack.wav" "$TMP/i_ring.wav"
  else
    mix "$out" "$TMP/i_body.wav" "$TMP/i_crack.wav"
  fi
}

# weapon NAME SWING_LEN CENTRE WIDTH RING IMPACT_LOW IMPACT_RING EXTRA: the miss (NAME.wav)
# is the swing alone; the hit (NAME1.wav) is the same swing landing.
weapon() {
  local name=$1 len=$2 centre=$3 width=$4 ring=$5 low=$6 iring=$7
  swing "$TMP/${name}_sw.wav" "$len" "$centre" "$width"
  if [ "$ring" != 0 ]; then
    gen "$TMP/${name}_ring.wav" synth "$len" sine "$ring" synth "$len" sine mix "$(awk -v f="$ring" 'BEGIN{print f*1.5}')" \
      fade l 0.001 "$len" "$len" gain -20
    mix "$TMP/${name}_m.wav" "$TMP/${name}_sw.wav" "$TMP/${name}_ring.wav"
  else
    cp "$TMP/${name}_sw.wav" "$TMP/${name}_m.wav"
  fi
  fx "$TMP/${name}_m.wav" "$TMP/${name}_miss.wav" pad 0 0.15 gain -8 reverb 20 50 30
  finish_effect "$TMP/${name}_miss.wav" "$OUT/${name}.wav" -3
  impact "$TMP/${name}_imp.wav" "$low" "$iring"
  at "$TMP/${name}_imp.wav" "$(awk -v l="$len" 'BEGIN{print l*0.8}')" "$TMP/${name}_impd.wav"
  fx "$TMP/${name}_m.wav" "$TMP/${name}_m2.wav" gain -6
  mix "$TMP/${name}_hit.wav" "$TMP/${name}_m2.wav" "$TMP/${name}_impd.wav"
  fx "$TMP/${name}_hit.wav" "$TMP/${name}_hitr.wav" pad 0 0.2 gain -8 reverb 20 50 30
  finish_effect "$TMP/${name}_hitr.wav" "$OUT/${name}1.wav"
}

# Sword: a quick bright swish with a thin blade ring; the hit clangs.
make_Espada() { weapon Espada 0.28 2400 1.2q 2900 150 1800; }
# Axe: a slower, deeper swoosh; the hit chops into something heavy.
make_Hacha() { weapon Hacha 0.42 900 1q 0 110 0; }

# Bow: the string's twang and the arrow whistling past; the hit thunks home.
make_Arco() {
  gen "$TMP/a_tw.wav" synth 0.35 pluck 98 fade q 0.001 0.35 0.3 lowpass 2500
  gen "$TMP/a_wh.wav" synth 0.3 whitenoise bandpass 3000 2q fade h 0.08 0.3 0.2 gain -6
  at "$TMP/a_wh.wav" 0.08 "$TMP/a_whd.wav"
  mix "$TMP/a_shot.wav" "$TMP/a_tw.wav" "$TMP/a_whd.wav"
  fx "$TMP/a_shot.wav" "$TMP/a_miss.wav" pad 0 0.15 gain -8 reverb 20 50 30
  finish_effect "$TMP/a_miss.wav" "$OUT/Arco.wav" -3
  gen "$TMP/a_th_b.wav" synth 0.12 sine 260/140 fade q 0.001 0.12 0.11
  gen "$TMP/a_th_n.wav" synth 0.03 brownnoise lowpass 2500 fade q 0.001 0.03 0.028
  mix "$TMP/a_thunk.wav" "$TMP/a_th_b.wav" "$TMP/a_th_n.wav"
  at "$TMP/a_thunk.wav" 0.34 "$TMP/a_thunkd.wav"
  fx "$TMP/a_shot.wav" "$TMP/a_shot2.wav" gain -5
  mix "$TMP/a_hit.wav" "$TMP/a_shot2.wav" "$TMP/a_thunkd.wav"
  fx "$TMP/a_hit.wav" "$TMP/a_hitr.wav" pad 0 0.15 gain -8 reverb 20 50 30
  finish_effect "$TMP/a_hitr.wav" "$OUT/Arco1.wav"
}

# Rats: squeaks and the gnawing of small teeth.
make_Ratas() {
  local files=() i=0 step t f
  for step in 0.0:3200 0.22:3700 0.5:3000; do
    IFS=: read -r t f <<<"$step"
    gen "$TMP/rt_$i.wav" synth 0.09 sine "$f/$(awk -v f="$f" 'BEGIN{print f*1.35}')" tremolo 38 60 \
      fade h 0.01 0.09 0.05
    at "$TMP/rt_$i.wav" "$t" "$TMP/rt_${i}d.wav"
    files+=("$TMP/rt_${i}d.wav")
    i=$((i + 1))
  done
  gen "$TMP/rt_gnaw.wav" synth 0.55 whitenoise bandpass 2200 2q tremolo 16 90 fade q 0.02 0.55 0.1 gain -8
  at "$TMP/rt_gnaw.wav" 0.08 "$TMP/rt_gnawd.wav"
  mix "$TMP/ratas.wav" "${files[@]}" "$TMP/rt_gnawd.wav"
  fx "$TMP/ratas.wav" "$TMP/ratas_r.wav" pad 0 0.1
  finish_effect "$TMP/ratas_r.wav" "$OUT/Ratas.wav"
}

# Fire: a roaring burst with crackles.
make_HFuego() {
  gen "$TMP/f_roar.wav" synth 1.1 brownnoise synth 1.1 pinknoise mix lowpass 1800 overdrive 10 \
    fade h 0.12 1.1 0.7
  local files=("$TMP/f_roar.wav") i=0 t
  for t in 0.1 0.17 0.31 0.38 0.52 0.6 0.74 0.83; do
    gen "$TMP/f_c$i.wav" synth 0.004 whitenoise highpass 2000 fade q 0.0005 0.004 0.003 gain -4
    at "$TMP/f_c$i.wav" "$t" "$TMP/f_c${i}d.wav"
    files+=("$TMP/f_c${i}d.wav")
    i=$((i + 1))
  done
  mix "$TMP/fuego.wav" "${files[@]}"
  fx "$TMP/fuego.wav" "$TMP/fuego_r.wav" pad 0 0.2 gain -8 reverb 30 50 50
  finish_effect "$TMP/fuego_r.wav" "$OUT/HFuego.wav"
}

# Water: a wave swelling, its splash and a few bubbles.
make_HAgua() {
  gen "$TMP/wa_wave.wav" synth 1.2 pinknoise lowpass 900 fade h 0.45 1.2 0.7
  gen "$TMP/wa_spl.wav" synth 0.35 whitenoise highpass 1500 lowpass 7000 fade q 0.005 0.35 0.3 gain -4
  at "$TMP/wa_spl.wav" 0.42 "$TMP/wa_spld.wav"
  bubble "$TMP/wa_b1.wav" 500 0.06
  bubble "$TMP/wa_b2.wav" 780 0.05
  at "$TMP/wa_b1.wav" 0.8 "$TMP/wa_b1d.wav"
  at "$TMP/wa_b2.wav" 0.95 "$TMP/wa_b2d.wav"
  mix "$TMP/agua.wav" "$TMP/wa_wave.wav" "$TMP/wa_spld.wav" "$TMP/wa_b1d.wav" "$TMP/wa_b2d.wav"
  fx "$TMP/agua.wav" "$TMP/agua_r.wav" pad 0 0.2 gain -8 reverb 40 50 60
  finish_effect "$TMP/agua_r.wav" "$OUT/HAgua.wav"
}

# Air: a rushing gust with a rising whistle.
make_HAire() {
  gen "$TMP/ai_g.wav" synth 1.0 pinknoise bandpass 1100 1q tremolo 3 50 fade h 0.3 1.0 0.5
  gen "$TMP/ai_w.wav" synth 0.8 sine 900/1800 fade h 0.3 0.8 0.4 gain -14
  at "$TMP/ai_w.wav" 0.1 "$TMP/ai_wd.wav"
  mix "$TMP/aire.wav" "$TMP/ai_g.wav" "$TMP/ai_wd.wav"
  fx "$TMP/aire.wav" "$TMP/aire_r.wav" pad 0 0.2 gain -8 reverb 40 50 60
  finish_effect "$TMP/aire_r.wav" "$OUT/HAire.wav"
}

# Earth: a deep rumble and stones knocking together.
make_HTierra() {
  gen "$TMP/t_rum.wav" synth 1.2 brownnoise lowpass 160 lowpass 160 overdrive 15 fade h 0.25 1.2 0.6
  local files=("$TMP/t_rum.wav") i=0 step t f
  for step in 0.25:180 0.4:240 0.58:150 0.7:210; do
    IFS=: read -r t f <<<"$step"
    impact "$TMP/t_s$i.wav" "$f" 0
    at "$TMP/t_s$i.wav" "$t" "$TMP/t_s${i}d.wav"
    files+=("$TMP/t_s${i}d.wav")
    i=$((i + 1))
  done
  mix "$TMP/tierra.wav" "${files[@]}"
  fx "$TMP/tierra.wav" "$TMP/tierra_r.wav" pad 0 0.2 gain -8 reverb 40 50 60
  finish_effect "$TMP/tierra_r.wav" "$OUT/HTierra.wav"
}

# Breath: a beast's long rasping exhale; the hit scorches what it reaches.
make_Aliento() {
  gen "$TMP/al_b.wav" synth 1.0 pinknoise lowpass 2200 highpass 150 tremolo 32 40 fade h 0.15 1.0 0.6
  gen "$TMP/al_g.wav" synth 1.0 sawtooth 55 lowpass 400 tremolo 32 60 fade h 0.15 1.0 0.6 gain -8
  mix "$TMP/al.wav" "$TMP/al_b.wav" "$TMP/al_g.wav"
  fx "$TMP/al.wav" "$TMP/al_miss.wav" pad 0 0.2 gain -8 reverb 30 50 50
  finish_effect "$TMP/al_miss.wav" "$OUT/Aliento.wav" -3
  gen "$TMP/al_sz.wav" synth 0.5 whitenoise highpass 2500 fade q 0.01 0.5 0.45 gain -3
  impact "$TMP/al_imp.wav" 120 0
  at "$TMP/al_sz.wav" 0.55 "$TMP/al_szd.wav"
  at "$TMP/al_imp.wav" 0.55 "$TMP/al_impd.wav"
  fx "$TMP/al.wav" "$TMP/al2.wav" gain -4
  mix "$TMP/al_hit.wav" "$TMP/al2.wav" "$TMP/al_szd.wav" "$TMP/al_impd.wav"
  fx "$TMP/al_hit.wav" "$TMP/al_hitr.wav" pad 0 0.2 gain -8 reverb 30 50 50
  finish_effect "$TMP/al_hitr.wav" "$OUT/Aliento1.wav"
}

# A plain blow: a short swish of a fist or club; the hit is a punch.
make_Golpe() { weapon Golpe 0.2 1500 1.5q 0 90 0; }

# A creature's death scream: a rough voice falling away.
make_Grito() {
  gen "$TMP/g_v.wav" synth 0.9 sawtooth 620/240 synth 0.9 sawtooth mix 635/246 tremolo 7 30
  fx "$TMP/g_v.wav" "$TMP/g_f1.wav" bandpass 850 2q
  fx "$TMP/g_v.wav" "$TMP/g_f2.wav" bandpass 2400 3q
  gen "$TMP/g_n.wav" synth 0.9 pinknoise highpass 1500 gain -18
  mix "$TMP/g.wav" "$TMP/g_f1.wav" "$TMP/g_f2.wav" "$TMP/g_n.wav"
  fx "$TMP/g.wav" "$TMP/g_e.wav" overdrive 8 fade h 0.04 0.9 0.5 pad 0 0.3 gain -8 reverb 40 50 60
  finish_effect "$TMP/g_e.wav" "$OUT/Grito.wav"
}

# The default sound of every channel: a soft wooden tick.
make_sample() {
  gen "$TMP/smp.wav" synth 0.12 sine 880 synth 0.12 sine mix 1320 fade l 0.002 0.12 0.115
  finish_effect "$TMP/smp.wav" "$SAMPLE" -6
}

EFFECTS=(pasos pasosM llave Viento Burbujas Recoger Escalera Santuario SubirNivel Espada Hacha
  Arco Ratas HFuego HAgua HAire HTierra Aliento Golpe Grito)
