#include "dialogs/Look.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>

// Widget tests need one QApplication for the whole run, with the program's own style and font
// so that layouts measure as they do in the program.

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "torvane-tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        tvn::applyTorvaneLook(*app_);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
