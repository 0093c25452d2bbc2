#include "core/room_table.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zelvor
