#include "lexicon.hpp"

namespace tarsk {

namespace {

// The size scales' keys, scale after scale.
LexiconMap size_map() {
    LexiconMap map(LETTER_SIZE_KEYS.begin(), LETTER_SIZE_KEYS.end());
    map.insert(map.end(), WORD_SIZE_KEYS.begin(), WORD_SIZE_KEYS.end());
    for (const std::string_view size : NUMBER_SIZES) map.push_back({size, size});
    map.insert(map.end(), PIPE_SIZE_KEYS.begin(), PIPE_SIZE_KEYS.end());
    map.insert(map.end(), SCHEDULE_KEYS.begin(), SCHEDULE_KEYS.end());
    return map;
}

}  // namespace

Lexicon build_lexicon() {
    Lexicon lx;
    lx.STANDARD_PREFIXES = {"astm", "iso",  "din",   "en ", "jis", "gb ", "bs ", "ansi", "asme",
                            "haccp", "ce ", "ul ", "vde", "iec", "nf ", "api ", "aws "};
    lx.SIZE_KEYWORDS = {"kích thước", "kích cỡ", "cỡ", "size", "taille"};
    lx.COLOR_KEYWORDS = {"màu", "màu sắc", "color", "colours", "colors", "colour", "couleur"};
    lx.MATERIAL_KEYWORDS = {"chất liệu", "vật liệu", "material", "matière"};
    lx.INTENT_PHRASES = {"tôi cần mua", "tôi cần",         "tôi muốn mua",     "tôi muốn",
                         "muốn mua",    "muốn",            "cần mua",          "cần",
                         "mua",         "khoảng",          "từ",               "i'm looking for",
                         "i am looking for", "looking for", "i'd like",        "i need",
                         "i want",      "need",            "want",             "sourcing"};
    lx.PROTECTED_PHRASES = {"việt nam", "hồ chí minh", "hà nội",   "đà nẵng",     "hải phòng",
                            "cần thơ",  "quy nhơn",    "nha trang", "vũng tàu",   "cái mép",
                            "hải dương", "bình dương", "đồng nai", "trà xanh",    "dừa bến tre",
                            "thanh long", "nước mắm",  "bột mì",   "đồng phục"};
    lx.AND_WORDS = {"và", "và/hoặc", "and", "&", "+"};
    lx.OR_WORDS = {"hoặc", "or"};
    lx.TO_WORDS = {"đến"};
    lx.COLOR_MAP = {
        {"đỏ", "red"},         {"xanh", "blue"},      {"xanh lam", "blue"},  {"xanh lá", "green"},
        {"đen", "black"},      {"trắng", "white"},    {"vàng", "yellow"},    {"cam", "orange"},
        {"tím", "purple"},     {"hồng", "pink"},      {"xám", "gray"},       {"nâu", "brown"},
        {"red", "red"},        {"blue", "blue"},      {"green", "green"},    {"black", "black"},
        {"white", "white"},    {"yellow", "yellow"},  {"orange", "orange"},  {"purple", "purple"},
        {"pink", "pink"},      {"gray", "gray"},      {"grey", "gray"},      {"brown", "brown"},
        {"navy", "navy"},      {"beige", "beige"},    {"silver", "silver"},  {"amber", "amber"},
        {"clear", "clear"},    {"natural", "natural"}, {"light grey", "light_gray"},
        {"light gray", "light_gray"}, {"pale yellow", "pale_yellow"},
    };
    lx.SIZE_MAP = size_map();
    lx.MATERIAL_MAP = {
        {"cotton", "cotton"},
        {"polyester", "polyester"},
        {"linen", "linen"},
        {"silk", "silk"},
        {"wool", "wool"},
        {"nylon", "nylon"},
        {"spandex", "spandex"},
        {"lycra", "spandex"},
        {"vải bông", "cotton"},
        {"vải polyester", "polyester"},
        {"lụa", "silk"},
        {"len", "wool"},
        {"inox", "stainless_steel"},
        {"không gỉ", "stainless_steel"},
        {"thép", "steel"},
        {"nhôm", "aluminum"},
        {"đồng", "copper"},
        {"nhựa", "plastic"},
        {"cao su", "rubber"},
        {"activated carbon", "activated_carbon"},
        {"carbon", "carbon_steel"},
        {"nitrile", "nitrile"},
        {"steel", "steel"},
        {"stainless", "stainless_steel"},
        {"aluminum", "aluminum"},
        {"aluminium", "aluminum"},
        {"copper", "copper"},
        {"plastic", "plastic"},
        {"rubber", "rubber"},
        {"carbon steel", "carbon_steel"},
        {"cast iron", "cast_iron"},
    };
    lx.GENDER_MAP = {
        {"nam", "male"},     {"nữ", "female"},    {"unisex", "unisex"},
        {"male", "male"},    {"female", "female"}, {"men", "male"},
        {"women", "female"}, {"men's", "male"},    {"women's", "female"},
    };
    lx.COUNTRY_MAP = {
        {"china", "China"},
        {"india", "India"},
        {"japan", "Japan"},
        {"south korea", "South Korea"},
        {"taiwan", "Taiwan"},
        {"hong kong", "Hong Kong"},
        {"vietnam", "Vietnam"},
        {"thailand", "Thailand"},
        {"malaysia", "Malaysia"},
        {"indonesia", "Indonesia"},
        {"philippines", "Philippines"},
        {"singapore", "Singapore"},
        {"myanmar", "Myanmar"},
        {"cambodia", "Cambodia"},
        {"bangladesh", "Bangladesh"},
        {"pakistan", "Pakistan"},
        {"sri lanka", "Sri Lanka"},
        {"australia", "Australia"},
        {"new zealand", "New Zealand"},
        {"germany", "Germany"},
        {"france", "France"},
        {"italy", "Italy"},
        {"spain", "Spain"},
        {"portugal", "Portugal"},
        {"netherlands", "Netherlands"},
        {"belgium", "Belgium"},
        {"poland", "Poland"},
        {"czech republic", "Czech Republic"},
        {"austria", "Austria"},
        {"switzerland", "Switzerland"},
        {"sweden", "Sweden"},
        {"denmark", "Denmark"},
        {"finland", "Finland"},
        {"norway", "Norway"},
        {"uk", "UK"},
        {"united kingdom", "UK"},
        {"ukraine", "Ukraine"},
        {"turkey", "Turkey"},
        {"russia", "Russia"},
        {"greece", "Greece"},
        {"romania", "Romania"},
        {"hungary", "Hungary"},
        {"usa", "USA"},
        {"united states", "USA"},
        {"canada", "Canada"},
        {"mexico", "Mexico"},
        {"brazil", "Brazil"},
        {"argentina", "Argentina"},
        {"colombia", "Colombia"},
        {"chile", "Chile"},
        {"peru", "Peru"},
        {"ecuador", "Ecuador"},
        {"bolivia", "Bolivia"},
        {"saudi arabia", "Saudi Arabia"},
        {"uae", "UAE"},
        {"united arab emirates", "UAE"},
        {"israel", "Israel"},
        {"iran", "Iran"},
        {"egypt", "Egypt"},
        {"south africa", "South Africa"},
        {"nigeria", "Nigeria"},
        {"ethiopia", "Ethiopia"},
        {"kenya", "Kenya"},
        {"ghana", "Ghana"},
        {"morocco", "Morocco"},
        {"tanzania", "Tanzania"},
        {"ivory coast", "Ivory Coast"},
        {"kazakhstan", "Kazakhstan"},
        {"uzbekistan", "Uzbekistan"},
    };
    using enum Unit;
    lx.UNIT_MAP = {
        {"kg", KG},        {"kgs", KG},      {"kilogram", KG}, {"g", G},          {"gram", G},
        {"tonne", TONNE},     {"ton", TONNE},      {"tấn", TONNE},      {"đôi", DOI},        {"pcs", PCS},
        {"pc", PCS},        {"pieces", PCS},   {"piece", PCS},    {"cái", CAI},       {"chiếc", CAI},
        {"bộ", BO},       {"sets", SETS},     {"set", SETS},      {"cuộn", CUON},      {"rolls", ROLLS},
        {"roll", ROLLS},      {"tấm", TAM},     {"sheets", SHEETS},   {"sheet", SHEETS},      {"m²", M2},
        {"m2", M2},        {"cm", CM},      {"mm", MM},      {"lít", LITERS},       {"liters", LITERS},
        {"litres", LITERS},   {"ml", ML},      {"dozens", DOZENS},   {"dozen", DOZENS},      {"tons", TONNE},
        {"drums", DRUMS},    {"drum", DRUMS},    {"pallets", PALLETS}, {"pallet", PALLETS},    {"cartons", CARTONS},
        {"carton", CARTONS},   {"boxes", BOX},   {"box", BOX},     {"reels", REELS},     {"reel", REELS},
        {"hundreds", HUNDREDS}, {"hundred", HUNDREDS}, {"thousands", THOUSANDS}, {"thousand", THOUSANDS}, {"meters", METERS},
        {"meter", METERS},    {"metres", METERS},  {"metre", METERS},   {"20ft fcl", FCL},  {"fcl", FCL},
    };
    return lx;
}

const Lexicon& lexicon() {
    static const Lexicon LEXICON = build_lexicon();
    return LEXICON;
}

}  // namespace tarsk
