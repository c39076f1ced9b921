#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// Qt wants a private runtime folder and warns at start-up without one; a test run that has
// none gets its own for the time it runs.
class OwnRuntimeFolder
{
public:
    OwnRuntimeFolder()
    {
        const char *set = std::getenv("XDG_RUNTIME_DIR");
        if (set && *set)
            return;
        std::string pattern = (std::filesystem::temp_directory_path() / "qv-test-runtime-XXXXXX").string();
        if (::mkdtemp(pattern.data())) { // made with mode 0700, as Qt expects
            m_path = pattern;
            setenv("XDG_RUNTIME_DIR", m_path.c_str(), 1);
        }
    }
    ~OwnRuntimeFolder()
    {
        if (!m_path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_path, ignored);
        }
    }

private:
    std::string m_path;
};

} // namespace

// Core tests may draw into images and use fonts, which needs a QGuiApplication;
// the offscreen platform keeps them independent of a display.
int main(int argc, char **argv)
{
    const OwnRuntimeFolder runtime;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
