#priority -5
print("last");
