// The main of every test executable: a headless Qt application (fonts and
// painting need one) with a private runtime folder, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Test discovery runs these binaries at build time, before ctest's environment applies.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string runtime = "/tmp/tramel-test-XXXXXX";
    if (mkdtemp(runtime.data()))
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    rmdir(runtime.c_str());
    return result;
}
