RecipeBuilder.newBuilder("mill_one", "mill, 100)
    .addItemInput(<ore:oreIron>)
    .addItemOutput(<minecraft:iron_ingot> * 2)
    .build();
RecipeBuilder.newBuilder("mill_two", "mill", 100)
    .build();
