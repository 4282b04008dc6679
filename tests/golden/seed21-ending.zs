# options: --seed 21 --phase 5
# The last staircase: the fifth phase's end, the closing story to the ending tune, and
# nothing more once the window is closed.
enter 0
key Up
tick persecu
