recipes.remove(<>);
