// Attribute lists against a plain model: a vector searched from the front.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "parser_text_list.hpp"

namespace {

TEST(TextList, RandomAddsAndRemovalsKeepTheModelsOrder) {
    std::mt19937 rng(3);
    // Vocabularies from a few entries (short lists) to hundreds (lists with a table that grows and
    // is rebuilt around removed entries).
    for (const int vocabulary : {3, 20, 300}) {
        for (int round = 0; round < 20; ++round) {
            tarsk::TextList list;
            std::vector<std::string> model;
            for (int op = 0; op < 2000; ++op) {
                const std::string text = "t" + std::to_string(rng() % vocabulary);
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
            ASSERT_EQ(tarsk::take_texts(std::move(list)), model) << vocabulary;
        }
    }
}

}  // namespace
