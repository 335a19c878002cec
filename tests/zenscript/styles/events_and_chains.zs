#packmode normal expert
#modloaded modularmachinery

import mods.modularmachinery.RecipeBuilder;

val names as string[string] = {
    forest: "pack:story/one",
    "deep_sea": "pack:story/two"
} as string[string];

events.onPlayerTick(function(event as crafttweaker.event.PlayerTickEvent) {
    val player = event.player;
    if (player.world.getWorldTime() as long % 40 == 0) {
        for stage, key in names {
            if (player.hasGameStage(stage)) {
                player.sendMessage(key);
            }
        }
    }
    if (<ore:gemRare> in player.currentItem && player.getDimension() == -1) {
        player.currentItem.mutable().shrink(1);
    }
    player.sendRichTextStatusMessage(crafttweaker.text.ITextComponent.fromData(["", {translate: "pack.hint", color: "red"}, {"text": " "}]), true);
});

for i in 1 to 4 {
    RecipeBuilder.newBuilder("press_" + i, "press", 200 * i)
        .addEnergyPerTickInput(100)
        .addItemInput(<ore:plateIron>, 4)
        .addItemOutput(<minecraft:iron_block>.withTag({display: {Lore: ["one", "two"]}}))
        .build();
}
