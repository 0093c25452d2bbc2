#include "core/room_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zelvor {
namespace {

TEST(RoomTableTest, KeysComeInFirstStoreOrderAndStoringAgainReplaces) {
  RoomTable table;
  table.Store("12", "a");
  table.Store("7", "b");
  table.Store("007", "c");
  table.Store("12", "d");
  ASSERT_EQ(table.Count(), 3u);
  EXPECT_EQ(table.Key(0), "12");
  EXPECT_EQ(table.Key(1), "7");
  EXPECT_EQ(table.Key(2), "007");
  EXPECT_EQ(table.Value("12"), "d");
  EXPECT_EQ(table.Value("7"), "b");
  EXPECT_FALSE(table.HasKey("07"));
  EXPECT_TRUE(table.HasKey("007"));
}

TEST(RoomTableTest, ManyKeysStayFoundAndClearEmpties) {
  RoomTable table;
  for (int i = 0; i < 5000; ++i) table.Store(std::to_string(i), std::to_string(i * 2));
  EXPECT_EQ(table.Value("4321"), "8642");
  EXPECT_FALSE(table.HasKey(""));  // never stored
  table.Clear();
  EXPECT_EQ(table.Count(), 0u);
  EXPECT_FALSE(table.HasKey("1"));
  table.Store("", "empty key");
  EXPECT_TRUE(table.HasKey(""));
}

// Checks that table holds exactly keys[i] -> values[i], in that order.
void ExpectHolds(const RoomTable& table, const std::vector<std::string>& keys,
                 const std::vector<std::string>& values) {
  ASSERT_EQ(table.Count(), keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    ASSERT_EQ(table.Key(i), keys[i]) << "index " << i;
    ASSERT_TRUE(table.HasKey(keys[i])) << keys[i];
    ASSERT_EQ(table.IndexOf(keys[i]), i) << keys[i];
    ASSERT_EQ(table.Value(keys[i]), values[i]) << keys[i];
  }
}

TEST(RoomTableTest, StoreGivesTheIndexAndGrowthKeepsOrderAndValues) {
  RoomTable table;
  std::vector<std::string> keys, values;
  for (int i = 0; i < 3000; ++i) {
    keys.push_back(std::to_string(i * 7919 % 100003));
    values.push_back("value of room " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 50), 'x'));
    ASSERT_EQ(table.Store(keys.back(), values.back()), static_cast<std::size_t>(i));
    // Check across every growth of the index, not only at the end.
    if ((i & (i + 1)) == 0) ExpectHolds(table, keys, values);
  }
  ExpectHolds(table, keys, values);
  // Storing again replaces the value and keeps the place, also after growth.
  EXPECT_EQ(table.Store(keys[1234], "new"), 1234u);
  values[1234] = "new";
  ExpectHolds(table, keys, values);
  EXPECT_THROW(table.IndexOf("not stored"), std::out_of_range);
}

TEST(RoomTableTest, ReuseAfterClearWithOtherKeysAndLengths) {
  RoomTable table;
  // Each round: key text, value text and count differ from the round before,
  // so reused entries get shorter, longer and empty strings assigned.
  struct Round {
    std::string key_prefix;
    std::string value_fill;
    int count;
  };
  const std::vector<Round> rounds = {
      {"", "long value text that outgrows the short string buffer", 400},
      {"0", "", 10},
      {"room-with-a-long-key-", "v", 1000},
      {"", "mid length value", 1},
      {std::string(1, '\0'), std::string(3, '\0'), 50},
      {"9", std::string(200, 'z'), 700},
  };
  std::vector<std::string> previous_keys;
  for (const Round& round : rounds) {
    table.Clear();
    EXPECT_EQ(table.Count(), 0u);
    std::vector<std::string> keys, values;
    for (int i = 0; i < round.count; ++i) {
      keys.push_back(round.key_prefix + std::to_string(i));
      values.push_back(round.value_fill + std::to_string(i % 3));
      table.Store(keys.back(), values.back());
    }
    ExpectHolds(table, keys, values);
    // Keys of the round before are gone unless this round stored them too.
    const std::set<std::string> stored(keys.begin(), keys.end());
    for (const std::string& key : previous_keys) {
      if (stored.count(key) == 0) {
        ASSERT_FALSE(table.HasKey(key)) << key;
      }
    }
    previous_keys = keys;
  }
}

TEST(RoomTableTest, BigThenManySmallFilesFindOnlyTheirOwnKeys) {
  RoomTable table;
  for (int i = 0; i < 100000; ++i) table.Store(std::to_string(i), "big");
  EXPECT_EQ(table.Count(), 100000u);
  EXPECT_EQ(table.IndexOf("99999"), 99999u);
  for (int file = 0; file < 2000; ++file) {
    table.Clear();
    const std::string a = std::to_string(file), b = std::to_string(file + 50000);
    EXPECT_EQ(table.Store(a, "first"), 0u);
    EXPECT_EQ(table.Store(b, "second"), 1u);
    ASSERT_EQ(table.Count(), 2u);
    ASSERT_TRUE(table.HasKey(a));
    ASSERT_EQ(table.Value(b), "second");
    // Keys of the big table and of earlier small files must not linger.
    ASSERT_FALSE(table.HasKey(std::to_string(file + 1)));
    ASSERT_FALSE(table.HasKey("99999"));
    if (file > 0) {
      ASSERT_FALSE(table.HasKey(std::to_string(file - 1)));
    }
  }
  // And the table can grow big again after all that.
  table.Clear();
  for (int i = 0; i < 20000; ++i) table.Store(std::to_string(i * 3), std::to_string(i));
  EXPECT_EQ(table.Count(), 20000u);
  EXPECT_EQ(table.Value("59997"), "19999");
  EXPECT_FALSE(table.HasKey("59998"));
}

TEST(RoomTableTest, KeysThatDifferOnlySlightlyStayApart) {
  // Keys sharing prefixes, lengths and bytes, including NUL bytes, high bytes
  // and a very long key: each must find its own entry.
  const std::vector<std::string> keys = {
      "",
      std::string(1, '\0'),
      std::string(2, '\0'),
      std::string("1\0", 2),
      std::string("\0" "1", 2),
      "1",
      "01",
      "001",
      "10",
      "\xff",
      "\xff\xfe",
      std::string(100000, '5'),
      std::string(100000, '5') + "6",
  };
  RoomTable table;
  std::vector<std::string> values;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    values.push_back("v" + std::to_string(i));
    table.Store(keys[i], values.back());
  }
  ExpectHolds(table, keys, values);
  EXPECT_FALSE(table.HasKey(std::string(99999, '5')));
  EXPECT_FALSE(table.HasKey(std::string(3, '\0')));
}

TEST(RoomTableTest, CrowdedSmallTablesSurviveRestoreClearAndReorder) {
  // Seven keys just below the first growth leave the smallest index half
  // full, so over these hundreds of key sets many keys share a home slot and
  // must probe past each other. Re-storing, clearing and refilling in the
  // reverse order must keep every key at its own entry.
  RoomTable table;
  for (int set = 0; set < 300; ++set) {
    std::vector<std::string> keys, values;
    for (int i = 0; i < 7; ++i) {
      keys.push_back(std::to_string(set * 7 + i));
      values.push_back(std::string(static_cast<std::size_t>(i), 'a'));
    }
    for (int pass = 0; pass < 2; ++pass) {
      table.Clear();
      for (std::size_t i = 0; i < keys.size(); ++i) table.Store(keys[i], values[i]);
      for (std::size_t i = 0; i < keys.size(); ++i) {
        ASSERT_EQ(table.Store(keys[i], values[i]), i);
      }
      ExpectHolds(table, keys, values);
      ASSERT_FALSE(table.HasKey(std::to_string(set * 7 + 7)));
      std::reverse(keys.begin(), keys.end());
      std::reverse(values.begin(), values.end());
    }
  }
}

TEST(RoomTableTest, MovedTableKeepsItsKeysAndTheSourceIsEmptyAndUsable) {
  RoomTable source;
  for (int i = 0; i < 100; ++i) source.Store(std::to_string(i), "x" + std::to_string(i));
  RoomTable moved(std::move(source));
  EXPECT_EQ(moved.Count(), 100u);
  EXPECT_EQ(moved.Value("42"), "x42");
  EXPECT_EQ(source.Count(), 0u);  // NOLINT(bugprone-use-after-move): moved-from state is defined
  EXPECT_FALSE(source.HasKey("42"));
  source.Store("1", "again");
  EXPECT_EQ(source.Value("1"), "again");

  RoomTable assigned;
  assigned.Store("old", "gone");
  assigned = std::move(moved);
  EXPECT_EQ(assigned.Count(), 100u);
  EXPECT_FALSE(assigned.HasKey("old"));
  EXPECT_EQ(assigned.IndexOf("99"), 99u);
  EXPECT_EQ(moved.Count(), 0u);  // NOLINT(bugprone-use-after-move)
  moved.Store("", "e");
  EXPECT_TRUE(moved.HasKey(""));
}

}  // namespace
}  // namespace zelvor
