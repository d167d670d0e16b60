// The records that the module's Python objects own. Fields in the order of the classes' attributes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
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

// The items of a ParseResult. Each record is made once and then shared, read-only, with the
// ParsedItem objects that reading `items` makes: no record changes after parse returns, so the
// sharing cannot be seen, and a read copies no record.
class ItemList {
public:
    void reserve(std::size_t count) { records_.reserve(count); }
    void push_back(ParsedItem&& item) { records_.push_back(std::make_shared<const ParsedItem>(std::move(item))); }
    std::size_t size() const { return records_.size(); }
    const std::shared_ptr<const ParsedItem>& shared(std::size_t i) const { return records_[i]; }

private:
    std::vector<std::shared_ptr<const ParsedItem>> records_;
};

struct ParseResult {
    // Plain records: a ParseResult object holds no other Python object.
    ItemList items;
    bool is_rfq = false;
    std::optional<std::string> trade_currency;
    std::optional<std::string> trade_incoterm;
    std::optional<std::string> trade_destination;
    std::optional<std::string> trade_lead_time;
    std::optional<std::string> trade_payment;
};

}  // namespace morvane
