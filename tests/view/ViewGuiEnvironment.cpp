#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

// Drawing text needs the fonts of a GUI application (the offscreen platform under ctest).
namespace {

class ViewGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "view_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new ViewGuiEnvironment);

} // namespace
