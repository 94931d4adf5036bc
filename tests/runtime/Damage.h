#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CdFixture.h"

namespace rnvtest {

// The fixture both reader and window tests damage: two categories, three items.
std::vector<FixtureCategory> sampleCategories();

// Ways a CFG folder can be broken, with what the runtime should still show.
struct Damage {
    std::string name;
    std::function<void(CdFixture&)> apply;
    int categories;      // categories shown
    int firstItems;      // items shown in the first category
    bool firstDetails;   // whether the first item has its details
};
const std::vector<Damage>& damages();

}  // namespace rnvtest
