// a statement without its ';' before a line that starts with a bracket
recipes.remove(<minecraft:stone>)
<minecraft:stone>.maxStackSize = 16;
