#include "common/TextOrder.h"
#include "table/RecordTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace tvx;

// A sort through the keys must give the order the comparison gives.
TEST(TextOrder, SortKeysAgreeWithTheComparison)
{
    const TextOrder order = systemTextOrder();
    std::mt19937 rng(3);
    const std::string alphabet = "aAbBzZ 09-_\xC3\xA9\xC3\x89";
    std::vector<std::string> texts;
    for (int i = 0; i < 300; ++i) {
        std::string s;
        for (std::size_t n = rng() % 6; n > 0; --n)
            s += alphabet[rng() % 12]; // ASCII part only: no broken UTF-8
        texts.push_back(s);
    }
    if (!order.compare || !order.sortKey)
        GTEST_SKIP() << "no locale collation here";
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        const int byCompare = order.compare(texts[i], texts[i + 1]);
        const int byKey = order.sortKey(texts[i]).compare(order.sortKey(texts[i + 1]));
        EXPECT_EQ(byCompare < 0, byKey < 0) << texts[i] << " / " << texts[i + 1];
        EXPECT_EQ(byCompare > 0, byKey > 0) << texts[i] << " / " << texts[i + 1];
    }
}

TEST(TextOrder, TableSortsTheSameWithAndWithoutKeys)
{
    const TextOrder order = systemTextOrder();
    auto names = [](RecordTable& t) {
        std::vector<std::string> out;
        for (std::size_t r = 0; r < t.recordCount(); ++r)
            out.push_back(std::get<std::string>(t.valueAt(r, 0)));
        return out;
    };
    RecordTable withKeys({Field::text("Name", 20)});
    RecordTable compareOnly({Field::text("Name", 20)});
    withKeys.setTextOrder(order);
    compareOnly.setTextCompare(order.compare);
    for (const char* n : {"spot", "Spot", "wash", "Beam", "beam", "Par 64", "Par 56", "", "zoom"}) {
        for (RecordTable* t : {&withKeys, &compareOnly}) {
            Record r = t->newRecord();
            r.values[0] = std::string(n);
            t->appendRecord(r);
        }
    }
    withKeys.setSort(0);
    compareOnly.setSort(0);
    EXPECT_EQ(names(withKeys), names(compareOnly));
}
