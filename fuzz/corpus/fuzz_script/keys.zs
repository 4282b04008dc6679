zorvek-script --no-party --seed 9
key G
key 1 ctrl
key F5 shift+ctrl
key #65 alt
# note

tick sonidos
tick recuperacion
answer 12
