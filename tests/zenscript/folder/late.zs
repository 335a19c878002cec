#priority 10
recipes.remove(<minecraft:stick>);
