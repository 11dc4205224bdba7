#include <QGuiApplication>
#include <gtest/gtest.h>

// Drawing text needs the fonts of a GUI application (offscreen under ctest).
namespace {
struct GuiEnvironment : ::testing::Environment {
    void SetUp() override { app = std::make_unique<QGuiApplication>(argc, argv); }
    void TearDown() override { app.reset(); }
    int argc = 1;
    char name[13] = "output_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};
[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
} // namespace
