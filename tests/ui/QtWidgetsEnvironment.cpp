#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

// The editor's windows need a QApplication. The tests run on the offscreen platform whatever the
// machine has, and keep their settings (recent files, bar layout) in a folder of their own.
class QtWidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
        // Recovery files too: a test's crash must not reach the user's own editor.
        qputenv("XDG_DATA_HOME", (config_->path() + QStringLiteral("/data")).toUtf8());
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        config_.reset();
    }

private:
    char name_[16] = "korvo_ui_tests";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtWidgetsEnvironment);

}  // namespace
