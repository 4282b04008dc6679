# A first look at a new game: a key press, a timer tick and the whole state.
key Space
tick recuperacion
dump
