#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

// Fonts need a QGuiApplication; the tests never open a window, so it runs on the offscreen
// platform whatever the machine has.
class QtGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    char name_[16] = "korvo_qt_tests";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

}  // namespace
