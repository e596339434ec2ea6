// The seven nodes of the map: the key each is stored under and its field, in
// the order in which they are loaded and saved. The field numbers do not
// follow the key order; this table is what binds them.
#pragma once

#include <array>
#include <string_view>

namespace tolvane {

struct MapNode {
  std::string_view key;
  std::string_view editBox;
};

inline constexpr std::string_view kMapSection = "mind";

inline constexpr std::array<MapNode, 7> kMapNodes{{
    {"0", "EditBox1"},    // root, left column
    {"1-1", "EditBox2"},  // top row, middle column
    {"1-2", "EditBox4"},  // top row, right column
    {"2-1", "EditBox3"},  // middle row, middle column
    {"2-2", "EditBox6"},  // middle row, right column
    {"3-1", "EditBox5"},  // bottom row, middle column
    {"3-2", "EditBox7"},  // bottom row, right column
}};

}  // namespace tolvane
