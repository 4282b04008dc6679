# options: --seed 3 --phase 2
# Into the next room and back to the start hall, then down the staircase: the hall and the staircase room keep their names.
key Right
key Up
key Up
key Up
key Up
key Up
key Up
key Up
key Down
key Down
enter 0
