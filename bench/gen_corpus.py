"""Deterministic generated corpora for timing parse: product queries and RFQ documents.

The words come from the parser's lexicon (sizes, colours, materials, genders, specs, standards,
countries, units, connectors, buying-intent phrases) so the texts exercise it, mixed with product
nouns and trade-term lines of the kind buyers write. The same seed always gives the same texts,
on any machine and Python >= 3.2 (random.Random with an integer seed).

    queries(count, seed)        -> list of str, about 80 bytes each
    rfq_documents(count, seed)  -> list of str, about 240 bytes each, 2 or 3 line items

Command line: python3 bench/gen_corpus.py [--count N] [--samples K] [--parse]
prints the sizes and a few samples of each corpus; --parse (with the module on PYTHONPATH) also
shows how parse routes them and how many items the documents give.
"""
import argparse
import os
import random

QUERY_BYTES = (72, 90)  # accepted length of a query in UTF-8 bytes; the mean lands near 80
RFQ_BYTES = (210, 280)  # accepted length of a document; the mean lands near 240
MAX_TRIES = 1000  # drafts per text before giving up; acceptance is far above 1 in 1000

# --- vocabulary (lexicon words, with product nouns around them) ---------------------------------
COLORS_EN = ["red", "blue", "green", "black", "white", "yellow", "orange", "purple", "pink", "gray",
             "grey", "brown", "navy", "beige", "silver", "amber", "clear", "natural", "light grey",
             "light gray", "pale yellow"]
COLORS_VI = ["đỏ", "xanh", "xanh lam", "xanh lá", "đen", "trắng", "vàng", "cam", "tím", "hồng", "xám",
             "nâu"]
SIZES = ["XXS", "XS", "S", "M", "L", "XL", "XXL", "XXXL", "2XL", "3XL", "4XL", "small", "medium",
         "large", "36", "38", "40", "42", "44"]
SIZE_RANGES = [("S", "XL"), ("M", "XXL"), ("36", "40"), ("38", "42"), ("XS", "L"), ("28", "34")]
GENDERS_EN = ["men's", "women's", "unisex", "male", "female", "men", "women"]
GENDERS_VI = ["nam", "nữ", "unisex"]
SPECS = ["DN15", "DN20", "DN25", "DN32", "DN40", "DN50", "DN65", "DN80", "DN100", "DN150", "DN200",
         "DN300", "M6", "M8", "M10", "M12", "M16", "M20", "sch 40", "sch 80", "schedule 10",
         "schedule 40", "schedule 80", "PN16"]
STANDARDS = ["ISO 9001", "ISO 14001", "ASTM A106", "ASTM A53", "ASTM B3", "DIN 2440", "DIN 8062",
             "EN 1514", "EN 124", "JIS G3452", "GB 5310", "BS 1387", "ANSI B16.5", "ASME B16.9",
             "IEC 60227", "API 5L", "CE marking", "UL listed", "HACCP"]
COUNTRIES_EN = ["china", "india", "japan", "south korea", "taiwan", "vietnam", "thailand",
                "malaysia", "indonesia", "germany", "italy", "spain", "turkey", "usa", "uk",
                "new zealand", "australia", "brazil", "mexico", "bangladesh", "pakistan"]
COUNTRIES_VI = ["việt nam", "trung quốc", "nhật bản", "hàn quốc", "đài loan", "thái lan", "ấn độ",
                "đức", "malaysia", "indonesia"]
PLACES_VI = ["hồ chí minh", "hà nội", "đà nẵng", "hải phòng", "cần thơ", "vũng tàu", "bình dương",
             "đồng nai", "cái mép"]
INTENT_EN = ["I need", "i want", "need", "want", "looking for", "i'm looking for",
             "i am looking for", "i'd like", "sourcing"]
INTENT_VI = ["tôi cần mua", "tôi cần", "tôi muốn mua", "tôi muốn", "muốn mua", "cần mua", "cần",
             "mua", "khoảng"]
AND_OR_EN = ["and", "or", "&", "+"]
AND_OR_VI = ["và", "hoặc", "và/hoặc"]
WEIGHED = {"kg", "tons", "tonne", "meters", "metres", "litres", "liters", "tấn", "lít", "mét"}


def _category(name, products_en, products_vi, materials_en, materials_vi, units_en, units_vi,
              attributes):
    return {"name": name, "products": (products_en, products_vi), "materials": (materials_en, materials_vi),
            "units": (units_en, units_vi), "attributes": attributes}


# Each kind of goods with the attributes buyers give for it: garments by colour, size and gender;
# hardware by spec and standard; the rest by colour, material, standard and origin.
CATEGORIES = [
    _category("garments",
              ["polo shirt", "t-shirt", "hoodie", "jacket", "jeans", "socks", "scarf", "uniform",
               "dress shirt", "safety shoes"],
              ["áo polo", "áo thun", "áo khoác", "quần jean", "giày", "khăn", "đồng phục", "áo sơ mi"],
              ["cotton", "polyester", "linen", "silk", "wool", "nylon", "spandex", "lycra"],
              ["vải bông", "vải polyester", "lụa", "len", "cotton"],
              ["pcs", "pieces", "sets", "dozen", "pairs", "cartons"], ["cái", "chiếc", "bộ", "đôi", "thùng"],
              ["color", "color", "size", "size range", "material", "gender", "gender", "origin"]),
    _category("hardware",
              ["ball valve", "gate valve", "steel pipe", "elbow", "flange", "bolts", "nuts", "washers",
               "gasket", "copper wire", "cable", "sheet"],
              ["van bi", "ống thép", "bu lông", "đai ốc", "mặt bích", "dây điện", "tấm"],
              ["steel", "stainless", "stainless steel", "aluminum", "aluminium", "copper",
               "carbon steel", "cast iron", "rubber"],
              ["inox", "thép không gỉ", "thép", "nhôm", "đồng", "cao su"],
              ["pcs", "sets", "kg", "tons", "meters", "boxes", "reels", "rolls"],
              ["cái", "bộ", "tấn", "mét", "cuộn"],
              ["spec", "spec", "spec range", "standard", "standard", "material", "origin"]),
    _category("general",
              ["gloves", "face masks", "towels", "bottles", "cups", "tiles", "rope", "fabric", "yarn",
               "office chair", "activated carbon", "kraft paper"],
              ["găng tay", "khẩu trang", "khăn tắm", "chai", "gạch", "dây thừng", "vải", "sợi", "ghế",
               "nước mắm", "bột mì", "trà xanh"],
              ["plastic", "rubber", "nitrile", "cotton", "polyester", "nylon", "activated carbon"],
              ["nhựa", "cao su", "vải bông", "nhựa"],
              ["kg", "tons", "cartons", "boxes", "pallets", "litres", "rolls", "drums", "20ft fcl"],
              ["kg", "tấn", "thùng", "hộp", "lít", "cuộn"],
              ["color", "material", "standard", "origin", "origin", "size"]),
]


def _qty(rng, unit):
    """A quantity as buyers write it: plain, with thousands commas or dots, decimals by weight."""
    form = rng.randrange(6)
    if form == 0:
        return f"{rng.randrange(1, 100) * 1000:,}"
    if form == 1 and unit in WEIGHED:
        return f"{rng.randrange(1, 50)}.{rng.randrange(1, 10)}"
    if form == 2:
        return f"{rng.randrange(1, 100) * 1000:,}".replace(",", ".")
    return str(rng.choice([1, 2, 5, 10, 12, 20, 25, 30, 40, 50, 60, 100, 120, 150, 200, 250, 300,
                           400, 500, 600, 800, 1000, 1200, 1500, 2000, 2500, 3000, 5000]))


def _quantity(rng, category, vi):
    unit = rng.choice(category["units"][vi])
    return f"{_qty(rng, unit)} {unit}"


def _attribute(rng, category, vi):
    """One attribute phrase of the category, in English (vi=0) or Vietnamese (vi=1)."""
    kind = rng.choice(category["attributes"])
    if kind == "color":
        if vi:
            return "màu " + rng.choice(COLORS_VI) + rng.choice(["", f" {rng.choice(AND_OR_VI)} "
                                                                    + rng.choice(COLORS_VI)])
        return rng.choice(["", "color ", "colour "]) + rng.choice(COLORS_EN) + rng.choice(
            ["", f" {rng.choice(AND_OR_EN)} {rng.choice(COLORS_EN)}"])
    if kind == "size":
        return rng.choice(["cỡ ", "kích thước ", "size "] if vi else ["size "]) + rng.choice(SIZES)
    if kind == "size range":
        low, high = rng.choice(SIZE_RANGES)
        return f"size {low} {'đến' if vi else 'to'} {high}"
    if kind == "material":
        return rng.choice(["", "chất liệu ", "vật liệu "] if vi else ["", "material "]) + rng.choice(
            category["materials"][vi])
    if kind == "gender":
        return rng.choice(GENDERS_VI if vi else GENDERS_EN)
    if kind == "spec":
        return rng.choice(SPECS)
    if kind == "spec range":
        return f"{rng.choice(SPECS[:6])} {'đến' if vi else 'to'} {rng.choice(SPECS[6:12])}"
    if kind == "standard":
        return rng.choice(STANDARDS)
    if vi:
        return rng.choice(["từ ", "xuất xứ "]) + rng.choice(COUNTRIES_VI)
    return rng.choice(["from ", "made in "]) + rng.choice(COUNTRIES_EN)


# --- queries -----------------------------------------------------------------------------------
def _query_draft(rng):
    category = rng.choice(CATEGORIES)
    mixed = rng.randrange(3) == 2  # one third mixes the two languages
    vi = rng.randrange(2)
    words = []
    if rng.random() < 0.5:
        words.append(rng.choice(INTENT_VI if vi else INTENT_EN))
    quantity = _quantity(rng, category, vi)
    if rng.random() < 0.6:
        words.append(quantity)
    words.append(rng.choice(category["products"][vi]))
    if mixed:
        vi = 1 - vi
    parts = [" ".join(words)]
    # Attributes until the text nears the accepted length; nine are always enough.
    for _ in range(9):
        if len(", ".join(parts).encode()) >= QUERY_BYTES[0] - 8:
            break
        if rng.randrange(8) == 0:  # a second product joined by a connector
            connector = rng.choice(AND_OR_VI if vi else AND_OR_EN)
            second = rng.choice(category["products"][vi])
            parts[-1] += f" {connector} {_quantity(rng, category, vi)} {second}"
        else:
            parts.append(_attribute(rng, category, vi))
    if quantity not in parts[0]:
        parts.append(quantity)
    return rng.choice([", ", " ", ", "]).join(parts)


def queries(count=20000, seed=1):
    """count product queries of QUERY_BYTES length, the same for the same seed."""
    rng = random.Random(seed)
    return [_accepted(rng, _query_draft, QUERY_BYTES) for _ in range(count)]


def _accepted(rng, draft, limits):
    """The first draft whose UTF-8 length lies within limits."""
    for _ in range(MAX_TRIES):
        text = draft(rng)
        if limits[0] <= len(text.encode()) <= limits[1]:
            return text
    raise RuntimeError(f"no draft within {limits} bytes after {MAX_TRIES} tries")


# --- RFQ documents -----------------------------------------------------------------------------
OPENINGS = ["Please quote:", "Please quote the following", "Dear sir,\nKindly quote", "RFQ",
            "Hi,\nwe need:", "Dear Sales Team,\nPlease send your best price for", "Hello",
            "Kính gửi Quý công ty,\nVui lòng báo giá:", "Báo giá giúp chúng tôi:", "Chào anh/chị,"]
CLOSINGS = ["Thanks", "Thank you.", "Best regards", "Trân trọng.", "Cảm ơn."]
CURRENCIES = ["USD", "USD", "EUR", "GBP", "CNY", "JPY", "SGD", "usd"]
PORTS = ["Shanghai", "Hamburg", "Rotterdam", "Singapore", "Hai Phong", "Ho Chi Minh City",
         "Da Nang", "Busan", "Yokohama", "Los Angeles", "Felixstowe", "Ningbo"]
INCOTERMS = ["EXW", "FCA", "FOB", "CFR", "CIF", "CPT", "CIP", "DAP", "DDP"]
PAYMENTS = ["T/T", "T/T 30% deposit, balance before shipment", "L/C at sight", "30 days net",
            "D/P", "50% advance, 50% against B/L copy"]
DIMENSIONS = {"garments": ["50 cm", "70x90 cm", "8 inch"],
              "hardware": ["2000x1000 mm", "1200X600 MM", "5mm", "10 mm", "12V", "24V", "220V", "40W",
                           "1.5 kW", "16 bar", "1450 rpm", "6 m"],
              "general": ["600x600x18 mm", "250 ml", "30x40 cm", "1.5 kg", "20 cm"]}


def _origin(rng):
    """An origin in one of the forms the normaliser reads: Vietnamese phrase, parentheses, comma."""
    form = rng.randrange(4)
    if form == 0:
        return ", xuất xứ " + rng.choice(["Việt Nam", "Trung Quốc", "Nhật Bản", "Hàn Quốc", "Thái Lan",
                                           "Đài Loan", "Đức", "Pháp"])
    if form == 1:
        return " (" + rng.choice(["China", "Japan", "Germany", "Vietnam", "Taiwan", "Italy"]) + ")"
    if form == 2:
        return " (" + rng.choice(["Trung Quốc", "Việt Nam", "Đài Loan", "Hàn Quốc"]) + ", hàng mới)"
    return ", " + rng.choice(["South Korea", "China", "Vietnam", "Thailand", "Turkey", "India"])


def _price(rng, vi):
    if vi and rng.random() < 0.6:
        return f", giá mục tiêu {rng.choice(['50000', '125000', '1850000', '20000'])}"
    value = rng.choice(["5.5", "2", "0.85", "12.50", "310", "4.20", "1,200", "9.5"])
    form = rng.randrange(3)
    if form == 0:
        return f" @ {value} {rng.choice(CURRENCIES)}"
    if form == 1:
        return f", target {value} {rng.choice(CURRENCIES)}/{rng.choice(['pc', 'set', 'kg'])}"
    return f" (target {value} {rng.choice(CURRENCIES)})"


def _item(rng, quantity_first):
    """One line item: product, attributes, maybe dimensions and origin, quantity, maybe a price."""
    category = rng.choice(CATEGORIES)
    vi = int(rng.random() < 0.4)
    product = rng.choice(category["products"][vi])
    if rng.random() < 0.15:
        product = f"**{product[0].upper()}{product[1:]}**"
    attributes = [_attribute(rng, category, vi) for _ in range(rng.randrange(1, 3))]
    if rng.random() < 0.3:
        attributes.append(rng.choice(DIMENSIONS[category["name"]]))
    # Vietnamese items often still count in English units.
    quantity = _quantity(rng, category, vi and rng.random() < 0.7)
    if quantity_first:
        text = f"{quantity} {product} {' '.join(attributes)}"
    else:
        text = f"{product} {' '.join(attributes)}"
    if rng.random() < 0.25:
        text += _origin(rng)
    if not quantity_first:
        text += f", {quantity}"
    if rng.random() < 0.35:
        text += _price(rng, vi)
    return text


def _trade_lines(rng, plain):
    """Trade-term lines, at most one of each kind. A document without list markers starts them
    with a header line, which is also how it is recognised as a document."""
    days = rng.choice([7, 14, 20, 30, 45, 60, 90])
    incoterm = f"{rng.choice(INCOTERMS)} {rng.choice(PORTS)}"
    payment = rng.choice(PAYMENTS)
    kinds = {
        "incoterm": [f"Incoterm: {incoterm}", incoterm],
        "lead time": [f"Lead time: {days} days", f"Lead-time: {rng.choice([2, 3, 4, 6, 8])} weeks",
                      f"Thời gian giao hàng: {days} ngày"],
        "payment": [f"Payment terms: {payment}", f"Payment: {payment}", "Thanh toán: chuyển khoản"],
        "delivery": [f"Deliver to {rng.choice(PORTS)}.", f"Delivery to our warehouse in {rng.choice(PORTS)}.",
                     f"Giao hàng đến {rng.choice(PLACES_VI).title()}."],
    }
    first = rng.choice(["lead time", "payment"] if plain else list(kinds))
    lines = [kinds[first][0] if plain else rng.choice(kinds[first])]
    for kind in rng.sample([kind for kind in kinds if kind != first], rng.randrange(0, 3)):
        lines.append(rng.choice(kinds[kind]))
    return lines


def _rfq_draft(rng):
    style = rng.randrange(5)  # numbered "1.", numbered "1)", bullet "-", bullet "*", plain lines
    plain = style == 4
    # Without markers, items start at the first line that begins with a number.
    items = [_item(rng, plain and (i == 0 or rng.random() < 0.5)) for i in range(rng.randrange(2, 4))]
    if style == 0:
        body = [f"{i}. {item}" for i, item in enumerate(items, 1)]
    elif style == 1:
        body = [f"{i}) {item}" for i, item in enumerate(items, 1)]
    elif style in (2, 3):
        body = [("- " if style == 2 else "* ") + item for item in items]
    else:
        body = items
    lines = ([rng.choice(OPENINGS)] if rng.random() < 0.7 else []) + body + _trade_lines(rng, plain)
    if rng.random() < 0.3:
        lines.append(rng.choice(CLOSINGS))
    # Some senders pass the text through a form or JSON field that keeps "\n" as two characters.
    text = "\n".join(lines)
    return text.replace("\n", "\\n") if rng.random() < 0.05 else text


def rfq_documents(count=20000, seed=2):
    """count RFQ documents of RFQ_BYTES length, the same for the same seed."""
    rng = random.Random(seed)
    return [_accepted(rng, _rfq_draft, RFQ_BYTES) for _ in range(count)]


# --- command line ------------------------------------------------------------------------------
def describe(name, texts, samples):
    sizes = [len(text.encode()) for text in texts]
    print(f"{name}: {len(texts)} texts, {sum(sizes):,} bytes, mean {sum(sizes) / len(sizes):.1f}, "
          f"min {min(sizes)}, max {max(sizes)}")
    for text in texts[:samples]:
        print("   ", repr(text))


def describe_parse(name, texts):
    import morvane  # only here: generating needs no module

    rfq, item_counts = 0, {}
    for text in texts:
        result = morvane.parse(text)
        rfq += bool(result.is_rfq)
        item_counts[len(result.items)] = item_counts.get(len(result.items), 0) + 1
    counts = ", ".join(f"{n} items: {c}" for n, c in sorted(item_counts.items()))
    print(f"{name}: routed as RFQ {rfq}/{len(texts)}; {counts}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=20000)
    parser.add_argument("--samples", type=int, default=5)
    parser.add_argument("--parse", action="store_true", help="route and count items with morvane")
    parser.add_argument("--write", metavar="DIR",
                        help="write queries.bin and rfq.bin for the C++ programs (each text as its "
                             "byte length, a line feed, then its bytes)")
    args = parser.parse_args()
    corpora = {"queries": queries(args.count), "RFQ documents": rfq_documents(args.count)}
    if args.write:
        for file_name, texts in (("queries.bin", corpora["queries"]), ("rfq.bin", corpora["RFQ documents"])):
            with open(os.path.join(args.write, file_name), "wb") as out:
                for text in texts:
                    data = text.encode("utf-8")
                    out.write(b"%d\n" % len(data) + data)
    for name, texts in corpora.items():
        describe(name, texts, args.samples)
    if args.parse:
        for name, texts in corpora.items():
            describe_parse(name, texts)


if __name__ == "__main__":
    main()
