#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "brellin/trade_terms.hpp"

namespace {

using Opt = std::optional<std::string>;
const Opt NONE = std::nullopt;

struct Case {
    const char* text;
    Opt currency, incoterm, destination, lead_time, payment;
};

const Case CASES[] = {
    {"1. Cotton shirts 500 pcs target 2 USD\nIncoterm: FOB Ho Chi Minh City\nDeliver to Hamburg.\n"
     "Lead time: 30 days.\nPayment terms: T/T 30% deposit, balance before shipment.",
     "USD", "FOB", "Hamburg", "30 days", "T/T 30% deposit, balance before shipment"},
    {"", NONE, NONE, NONE, NONE, NONE},
    {"Please send your best price", NONE, NONE, NONE, NONE, NONE},
    // incoterm with a place: at most two capitalised ASCII words, the second may be on the next line
    {"FOB Ho Chi Minh City", NONE, "FOB", "Ho Chi", NONE, NONE},
    {"EXW Hanoi Vietnam", NONE, "EXW", "Hanoi Vietnam", NONE, NONE},
    {"FOB Shanghai, China", NONE, "FOB", "Shanghai", NONE, NONE},
    {"FOB Shanghai\nDelivery ASAP", NONE, "FOB", "Shanghai\nDelivery", NONE, NONE},
    {"CIF\nShanghai port", NONE, "CIF", "Shanghai", NONE, NONE},
    {"FOB price 5 USD", "USD", "FOB", NONE, NONE, NONE},
    {"FOB Price: 5 USD", "USD", "FOB", "Price", NONE, NONE},
    {"CIF X", NONE, "CIF", NONE, NONE, NONE},
    {"CIF Xy", NONE, "CIF", "Xy", NONE, NONE},
    {"fob shanghai", NONE, NONE, NONE, NONE, NONE},
    {"DAT Hamburg", NONE, NONE, NONE, NONE, NONE},
    {"Incoterm: FOB. Alternatively CIF Hamburg", NONE, "CIF", "Hamburg", NONE, NONE},
    {"XFOB Hamburg", NONE, NONE, NONE, NONE, NONE},
    // destination replaces the incoterm place
    {"DDP Ho Chi Minh City, Vietnam. Delivery to warehouse.", NONE, "DDP", "warehouse", NONE, NONE},
    {"FOB HCMC, deliver to Da Nang.", NONE, "FOB", "Da Nang", NONE, NONE},
    {"Please quote for cotton shirts.", NONE, NONE, "cotton shirts", NONE, NONE},
    {"1. Cotton shirts for men, 500 pcs", NONE, NONE, "men", NONE, NONE},
    {"We need 500 pcs for our stores. Lead time: 30 days.", NONE, NONE, "our stores", "30 days", NONE},
    {"Destination: Hamburg.", NONE, NONE, NONE, NONE, NONE},
    {"Destination Hamburg.", NONE, NONE, "Hamburg", NONE, NONE},
    {"Ship to\nHamburg.", NONE, NONE, "Hamburg", NONE, NONE},
    {"delivery to Hamburg.", NONE, NONE, "Hamburg", NONE, NONE},
    {"deliver to ho chi minh city, vietnam", NONE, NONE, "ho chi minh city", NONE, NONE},
    {"Ship to UK.", NONE, NONE, NONE, NONE, NONE},
    {"Ship to USA.", NONE, NONE, "USA", NONE, NONE},
    {"(to Hamburg)", NONE, NONE, NONE, NONE, NONE},
    {"to Zürich.", NONE, NONE, NONE, NONE, NONE},
    {"Giao hàng đến Hà Nội. Thanh toán: TT", NONE, NONE, NONE, NONE, "TT"},
    {"Deliver to Hamburg\nThanks", NONE, NONE, "Hamburg\nThanks", NONE, NONE},
    {"Deliver to Hamburg\n", NONE, NONE, "Hamburg", NONE, NONE},  // the class takes the final LF
    {"FOB Hamburg to usa", NONE, "FOB", "usa", NONE, NONE},
    // the long s and the Kelvin sign fold into [a-z] under (?i)
    {"to \xc5\xbf\xe2\x84\xaa" "a.", NONE, NONE, "\xc5\xbf\xe2\x84\xaa" "a", NONE, NONE},
    // currency
    {"5USD each, 5 usd, EUR 7", "EUR", NONE, NONE, NONE, NONE},
    {"price 5 USD/pc or 6 EUR", "USD", NONE, NONE, NONE, NONE},
    {"USD5 KRW", "KRW", NONE, NONE, NONE, NONE},
    // lead time
    {"Lead time: 30 days after deposit. Thanks", NONE, NONE, NONE, "30 days after deposit", NONE},
    {"Lead-time: 4 weeks", NONE, NONE, NONE, "4 weeks", NONE},
    {"Lead time:\n45 days", NONE, NONE, NONE, "45 days", NONE},
    {"LEAD TIME - 30 days", NONE, NONE, NONE, "- 30 days", NONE},
    {"lead time 30 days.\nlead time 40 days", NONE, NONE, NONE, "30 days", NONE},
    {"mislead time: x", NONE, NONE, NONE, "x", NONE},
    {"Lead times: 30 days", NONE, NONE, NONE, NONE, NONE},
    {"Lead time: ", NONE, NONE, NONE, "", NONE},
    {"Lead time: \n", NONE, NONE, NONE, "", NONE},
    {"Lead time: .", NONE, NONE, NONE, "", NONE},
    {"Lead time:", NONE, NONE, NONE, NONE, NONE},
    {"Lead time:\n", NONE, NONE, NONE, NONE, NONE},
    {"Lead time::.", NONE, NONE, NONE, ":", NONE},  // the separator's last character becomes the value
    // payment
    {"Payment terms:", NONE, NONE, NONE, NONE, "terms:"},
    {"Payment terms:\n", NONE, NONE, NONE, NONE, "terms:"},
    {"Payment terms", NONE, NONE, NONE, NONE, "terms"},
    {"Payment terms: .", NONE, NONE, NONE, NONE, ""},
    {"Payment terms:\nLead time: 30 days", NONE, NONE, NONE, "30 days", "Lead time: 30 days"},
    {"Payment: 30% deposit, 70% within 2.5 months", NONE, NONE, NONE, NONE, "30% deposit, 70% within 2"},
    {"Payment term: 50%", NONE, NONE, NONE, NONE, "50%"},
    {"prepayment: 100%", NONE, NONE, NONE, NONE, "100%"},
    {"Payments: T/T", NONE, NONE, NONE, NONE, NONE},
    {"Thanh toán: chuyển khoản", NONE, NONE, NONE, NONE, "chuyển khoản"},
    {"THANH TOÁN: L/C", NONE, NONE, NONE, NONE, "L/C"},
    {"Payment terms: T/T\r\nLead time: 20 days\r\n", NONE, NONE, NONE, "20 days", "T/T"},
};

TEST(ExtractTradeTerms, Table) {
    for (const auto& c : CASES) {
        const brellin::TradeTerms t = brellin::extract_trade_terms(c.text);
        EXPECT_EQ(t.currency, c.currency) << '"' << c.text << '"';
        EXPECT_EQ(t.incoterm, c.incoterm) << '"' << c.text << '"';
        EXPECT_EQ(t.destination, c.destination) << '"' << c.text << '"';
        EXPECT_EQ(t.lead_time, c.lead_time) << '"' << c.text << '"';
        EXPECT_EQ(t.payment, c.payment) << '"' << c.text << '"';
    }
}

}  // namespace
