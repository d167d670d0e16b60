"""The attributes of the module's classes, in the order the classes define them."""

ITEM_FIELDS = ("chunks", "index", "qty", "qty_max", "uom", "colors", "sizes", "materials", "genders", "specs",
               "standards", "ambiguous", "price", "currency", "origin", "dims")
LIST_FIELDS = frozenset({"colors", "sizes", "materials", "genders", "specs", "standards", "ambiguous", "dims"})
TRADE_FIELDS = ("currency", "incoterm", "destination", "lead_time", "payment")
RESULT_FIELDS = ("is_rfq",) + tuple("trade_" + name for name in TRADE_FIELDS)
