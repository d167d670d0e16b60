// Attribute lists against a plain model: a vector searched from the front.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "parser_text_list.hpp"

namespace {

// Texts that are prefixes of one another and differ only past a NUL byte, so an order or an
// equality that stops at a NUL shows.
std::string vocabulary_text(unsigned n) {
    std::string text(n % 3, '\xff');
    text += std::to_string(n / 6);
    if (n / 3 % 2 == 1) text += std::string(1, '\0');
    return text;
}

TEST(TextList, RandomAddsAndRemovalsKeepTheModelsOrder) {
    std::mt19937 rng(3);
    // Vocabularies from a few entries (short lists) to hundreds (ordered lists); with 20, removals
    // and re-adds carry a list past the short limit while some of its first entries are removed.
    for (const unsigned vocabulary : {3u, 20u, 300u}) {
        for (int round = 0; round < 20; ++round) {
            // The list changes place now and then, as a list inside a growing vector of groups does.
            tarsk::TextList places[2];
            int here = 0;
            std::vector<std::string> model;
            for (int op = 0; op < 2000; ++op) {
                if (rng() % 50 == 0) {
                    places[1 - here] = std::move(places[here]);
                    here = 1 - here;
                }
                tarsk::TextList& list = places[here];
                const std::string text = vocabulary_text(rng() % vocabulary);
                const auto at = std::find(model.begin(), model.end(), text);
                if (rng() % 4 == 0) {
                    tarsk::remove_text(list, text);
                    if (at != model.end()) model.erase(at);
                } else {
                    if (rng() % 2 == 0) {
                        tarsk::push_unique(list, std::string(text));
                    } else {
                        tarsk::push_unique(list, std::string_view(text));
                    }
                    if (at == model.end()) model.push_back(text);
                }
            }
            ASSERT_EQ(tarsk::take_texts(std::move(places[here])), model) << vocabulary;
        }
    }
}

TEST(TextList, FloodOfDistinctTextsKeepsFirstSeenOrderOnce) {
    constexpr unsigned count = 5000;
    std::vector<unsigned> first(count);
    std::iota(first.begin(), first.end(), 0u);
    std::mt19937 rng(11);
    std::shuffle(first.begin(), first.end(), rng);
    std::vector<unsigned> again = first;
    std::shuffle(again.begin(), again.end(), rng);

    tarsk::TextList list;
    // Long shared prefixes make every comparison read far into the texts.
    const auto text = [](unsigned n) { return std::string(40, '7') + std::to_string(n); };
    for (std::size_t i = 0; i < count; ++i) {
        tarsk::push_unique(list, text(first[i]));
        tarsk::push_unique(list, text(again[i / 2]));  // half of them early, the rest are repeats
    }
    for (const unsigned n : again) tarsk::push_unique(list, text(n));

    // The order each text was first pushed in.
    std::vector<std::string> want;
    std::vector<bool> seen(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        for (const unsigned n : {first[i], again[i / 2]}) {
            if (!seen[n]) want.push_back(text(n));
            seen[n] = true;
        }
    }
    // Every third removed, then the first hundred of those added again at the end.
    std::vector<std::string> kept, removed;
    for (std::size_t i = 0; i < want.size(); ++i) (i % 3 == 0 ? removed : kept).push_back(want[i]);
    for (const auto& t : removed) tarsk::remove_text(list, t);
    want = kept;
    for (std::size_t i = 0; i < 100; ++i) {
        tarsk::push_unique(list, removed[i]);
        tarsk::push_unique(list, removed[i]);
        want.push_back(removed[i]);
    }
    EXPECT_EQ(tarsk::take_texts(std::move(list)), want);
}

}  // namespace
