zenClass Tools {
    zenConstructor() {
    }
    function first() as int {
        if (true) {
            return 1;
        
        return 0;
    }
    function second() as int {
        return 2;
    }
}
