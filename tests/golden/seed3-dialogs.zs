# options: --seed 3 --phase 1
# The runner's echo of keys and ticks, the party dialog's actions (a refused entry among
# them) and the shop's, hidden controls refusing, and the walk back out of the shop.
key Left shift
tick persecu
tick recuperacion
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
party List1 0
party MnuOpcExa
party Option1 3
party MnuOpcDer
answer 1
party Command1
key G
key G
shop CBVenderOb
shop List1 0
shop CBComprarOb
shop CBVender
shop List3 0
shop CBExaminarOb2
enter 51
key Up
