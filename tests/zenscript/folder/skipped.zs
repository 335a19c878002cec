#norun
this is not a script
