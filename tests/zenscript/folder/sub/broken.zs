val a = 1;
recipes.remove(<minecraft:bread>;
