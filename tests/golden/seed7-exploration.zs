# options: --seed 7 --phase 1
# A first walk through the starting area (seed 7): refused at the grille before the party
# is complete, recruiting, examining a candidate, the locked grille, the jailer's fight,
# taking what the kobold leaves in three ways, and the grille opening with its key.
key Right
key Right
key Up
key Up
key Up
key Up
key Down
key Down
key Down
key Left
key Left
# Examine the first candidate, then recruit four into the four marching positions.
key Enter
key 1
key Enter
key 2
key Enter
key Enter
key 1
key Enter
key 1
key Enter
key 1
key Enter
key Enter
key 1
key Enter
key 1
key Enter
key 2
key Enter
key Enter
key 1
key Enter
key 1
key Enter
key 3
key Enter
key Enter
key 1
key Enter
key 1
key Enter
key 4
key Enter
# Through the cells' grille into the corridor, up to the locked grille.
key Right
key Right
key Up
key Up
key Up
key Up
key Up
key Up
key Up
key Up
key Up
key Up
# Back down and through the door into the jailer's room.
key Down
key Down
key Down
key Left
key Left
key Left
# The kobold closes in and the fight starts inside a pursuit tick.
tick persecu
key A
key A
# What the kobold left: examine the knife, take the coins by the menu, the knife with
# Control+2 and the key with C.
key Left
key Enter
key 2
key Enter
key 2
key Enter
key Enter
key 3
key Enter
key 1
key Enter
key 2
key Enter
key 2 ctrl
key C
# Back to the grille, which opens with the key and stays open.
key Right
key Right
key Right
key Right
key Up
key Up
key Up
key Up
key Up
key Down
key Down
key Up
key Up
