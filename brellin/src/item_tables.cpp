#include "item_tables.hpp"

namespace brellin {

const std::array<TableEntry, 9> VI_UNIT_MAP = {{
    {"cái", "pcs"},
    {"bộ", "sets"},
    {"tấn", "tonnes"},
    {"thùng", "cartons"},
    {"bó", "bundles"},
    {"hộp", "boxes"},
    {"tấm", "sheets"},
    {"cuộn", "rolls"},
    {"kiện", "bales"},
}};

const std::array<TableEntry, 18> VI_COUNTRY_MAP = {{
    {"đức", "Germany"},
    {"trung quốc", "China"},
    {"tq", "China"},
    {"hàn quốc", "South Korea"},
    {"nhật bản", "Japan"},
    {"ấn độ", "India"},
    {"việt nam", "Vietnam"},
    {"vn", "Vietnam"},
    {"campuchia", "Cambodia"},
    {"thái lan", "Thailand"},
    {"đài loan", "Taiwan"},
    {"indonesia", "Indonesia"},
    {"malaysia", "Malaysia"},
    {"philippines", "Philippines"},
    {"myanmar", "Myanmar"},
    {"thổ nhĩ kỳ", "Turkey"},
    {"úc", "Australia"},
    {"mỹ", "USA"},
}};

const std::array<std::string_view, 22> EN_COUNTRIES = {
    "china",  "vietnam", "indonesia", "india",   "malaysia",  "thailand", "south korea", "korea",
    "japan",  "bangladesh", "cambodia", "philippines", "brazil", "germany", "turkey", "spain",
    "peru",   "australia", "sri lanka", "myanmar", "pakistan", "taiwan",
};

}  // namespace brellin
