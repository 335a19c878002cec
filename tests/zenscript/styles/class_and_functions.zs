#priority 500
import crafttweaker.item.IItemStack;
import crafttweaker.item.IIngredient;

zenClass Helper {
    val grid as IIngredient[][] = null;
    var count as int = -1 as int;
    static made as string[] = [];

    zenConstructor(first as IItemStack, second as IItemStack) {
        this.count = 0;
    }

    function label(stack as IItemStack) as string {
        val meta as int = stack.metadata;
        if (meta == 0) {
            return stack.definition.id;
        } else return (stack.definition.id + ":" + meta);
    }

    function tail(text as string) as string {
        var i as int = text.length - 1;
        var out as string = "";
        while (i >= 0) {
            out = text[i] ~ out;
            i -= 1;
        }
        return out;
    }

    function self() as scripts.styles.class_and_functions.Helper {
        return this;
    }
}

global pick as function(string)IItemStack =
    function (name as string) as IItemStack {
    # keep the plain name
    return itemUtils.getItem(name);
};

function spread(power as double) as double {
    var d = (
        # a comment inside the parentheses
        (power /* and a block comment */)
    ) as double;
    return d * 0.5d - 1.0f;
}
