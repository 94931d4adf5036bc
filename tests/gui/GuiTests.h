#pragma once

#include <QObject>

#include <vector>

namespace qv::test {

// The GUI tests share one program: each test class registers itself and the
// program's main runs them all in turn.
using GuiTestFactory = QObject* (*)();
std::vector<GuiTestFactory>& guiTests();

struct GuiTestRegistration {
    explicit GuiTestRegistration(GuiTestFactory factory) { guiTests().push_back(factory); }
};

}  // namespace qv::test

#define QV_GUI_TEST(Class) \
    static const qv::test::GuiTestRegistration registration##Class([]() -> QObject* { return new Class; });
