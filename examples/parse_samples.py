import morvane

print(morvane)
