#pragma once

namespace qv {

// The keys a core window reacts to, named by the core. The GUI maps its
// toolkit's key codes onto these; every other key arrives as Other.
enum class Key { Other, Enter, Escape, Space, Delete, F2 };

}  // namespace qv
