"""Parses a few product queries and RFQ documents and prints what morvane finds in them."""
import morvane

SAMPLES = [
    "100 áo polo màu đỏ size M",
    "polo shirt 100 pcs, t-shirt 200 pcs",
    "200 pcs valve DN50 iso 9001 stainless",
    "Incoterm FOB Shanghai, payment T/T\n"
    "1. Cotton shirts 500 pcs\n"
    "2. Polo shirt (target 5.5 USD/pc), 1,000 pcs",
    "Please quote the following\\nSteel plate 2000X1000 MM, thickness 5mm, 20 sheets\\nLead time: 30 days",
    "- Áo polo cotton, xuất xứ Việt Nam, 200 cái\n- Van bi (Đài Loan)",
]

ITEM_FIELDS = ("qty", "qty_max", "uom", "colors", "sizes", "materials", "genders", "specs", "standards",
               "ambiguous", "price", "currency", "origin", "dims")
TRADE_FIELDS = ("currency", "incoterm", "destination", "lead_time", "payment")


def show(text):
    result = morvane.parse(text)
    kind = "RFQ document" if result.is_rfq else "product query"
    print(f"{kind}: {text!r}")
    if not result.items:
        print("  (no items)")
    for item in result.items:
        print(f"  item {item.index}: {item.chunks!r}")
        for name in ITEM_FIELDS:
            value = getattr(item, name)
            if value not in (None, []):
                print(f"    {name}: {value!r}")
    terms = result.trade_terms()
    if terms is not None:
        found = {name: getattr(terms, name) for name in TRADE_FIELDS if getattr(terms, name) is not None}
        print(f"  trade terms: {found}")
    print()


for sample in SAMPLES:
    show(sample)
