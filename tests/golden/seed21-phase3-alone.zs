# options: --seed 21 --phase 3 --no-party
# The third phase reached without a party: the start hall, and keys that need a hero.
key V
key G
key F3
key E
key T
