#include <QApplication>
#include <QTest>

#include "RuntimeTests.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        rnvtest::ReadingTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        rnvtest::ActionsTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        rnvtest::WindowTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        rnvtest::EndToEndTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
