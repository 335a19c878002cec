furnace.remove(<minecraft:glass>);
