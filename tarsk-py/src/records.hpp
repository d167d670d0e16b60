// The records that the module's Python objects own. Fields in the order of the classes' attributes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct ParsedItem {
    std::string chunks;
    std::uint64_t index = 0;
    std::optional<double> qty;
    std::optional<double> qty_max;
    std::optional<std::string> uom;
    std::vector<std::string> colors;
    std::vector<std::string> sizes;
    std::vector<std::string> materials;
    std::vector<std::string> genders;
    std::vector<std::string> specs;
    std::vector<std::string> standards;
    std::vector<std::string> ambiguous;
    std::optional<double> price;
    std::optional<std::string> currency;
    std::optional<std::string> origin;
    std::vector<std::string> dims;
};

struct ParseResult {
    // Plain records: a ParseResult object holds no other Python object.
    std::vector<ParsedItem> items;
    bool is_rfq = false;
    std::optional<std::string> trade_currency;
    std::optional<std::string> trade_incoterm;
    std::optional<std::string> trade_destination;
    std::optional<std::string> trade_lead_time;
    std::optional<std::string> trade_payment;
};

}  // namespace morvane
