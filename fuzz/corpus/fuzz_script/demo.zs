# A first look at a new game: the cell, a step and back, the exits, recruiting the
# first candidate into the first marching position, the party's life and magic, a save,
# a timer tick and the whole state.
key Space
key Right
key S
key Left
key Enter
key 1
key Enter
key 1
key Enter
key 1
key Enter
key V
answer yes
key F7
tick recuperacion
dump
