# options: --seed 21 --phase 5
# The last phase, its staircase included: random keys, ticks, answers and dialog actions.
key Down shift+ctrl
key Right
shop CBComprarOb
key Down alt
key Right
answer 2
key F7
key F7
answer yes
tick persecu
key T
key Left
key F3
tick persecu
key Down
key Right
key F8
tick persecu
shop List2 0
key Left ctrl
key #0
answer no
key Space
key Right
key Down
key H ctrl+alt
key Down
key Right
key Up
answer 2
key Right
party MnuOpcExa
key Down
key Right
key Up
key Up
tick sonidos
key Down
tick persecu
key Right
party List1 0
key Space
key Escape shift+ctrl
answer 2
key Space
key Down
key A
answer 2.5
key Up shift+ctrl
tick recuperacion
key Apps
key Down
key Down
key Down shift
key Down
key Down ctrl+alt
key Space
key Up
answer yes
key Right
answer -5
key Down
key Up
tick recuperacion
key Up
key Down
tick sonidos
key Space
answer 0
key V
answer yes
answer yes
answer yes
key F7
key F7
key F7
key F7
key F7
key F7
key F7
key F7
key F7
key F7
key F7
key F7
enter 0
