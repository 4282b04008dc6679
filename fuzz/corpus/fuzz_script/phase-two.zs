zorvek-script --phase 2 --difficulty 3
key Right
key F7
answer yes
key F8
answer yes
enter 2 1 1
tick persecu
party Option1 2
shop CBSalir
dump
