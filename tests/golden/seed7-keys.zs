# options: --seed 7 --phase 1
# The keys of the cells before anyone is recruited: help, coordinates on and off, a
# command that needs a hero, the pickup hero, a wall, the exit and being reports; then
# recruiting into chosen positions, a taken position refused, numbers out of range,
# typing and erasing, and the party's life report.
key F1
key F2
key F2
key G
key F3
key Left
key S
key E
# Jan into the rearguard; the next candidate cannot take that position.
key Enter
key 2
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
key 3
key Enter
# Out of range and huge numbers close the menu.
key Enter
key 0
key Enter
key Enter
key 9
key Enter
key Enter
key 9
key 9
key 9
key 9
key 9
key 9
key 9
key 9
key 9
key 9
key 9
key Enter
# Typing, erasing and typing again.
key Enter
key 1
key 2
key Backspace
key 3
key Escape
# Urso to the front, and the party's report.
key Enter
key 1
key Enter
key 1
key Enter
key 1
key Enter
key V
