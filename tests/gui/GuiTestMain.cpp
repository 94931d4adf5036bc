#include "GuiTests.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace qv::test {

std::vector<GuiTestFactory>& guiTests()
{
    static std::vector<GuiTestFactory> tests;
    return tests;
}

}  // namespace qv::test

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (const qv::test::GuiTestFactory make : qv::test::guiTests()) {
        const std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
