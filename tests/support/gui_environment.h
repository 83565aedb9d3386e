// SPDX-License-Identifier: MIT
// A QGuiApplication on the offscreen platform for tests that paint text, created when first
// needed and removed before the test program ends.
#pragma once

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace kestrel::test {

class GuiEnvironment : public ::testing::Environment {
public:
    static void ensure() {
        if (QGuiApplication::instance() == nullptr) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app() = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app().reset(); }

    // Registers the environment once per test program; call from a namespace-scope initialiser.
    static const ::testing::Environment* registerOnce() {
        static const ::testing::Environment* const environment =
            ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
        return environment;
    }

private:
    static std::unique_ptr<QGuiApplication>& app() {
        static std::unique_ptr<QGuiApplication> instance;
        return instance;
    }
    static inline char name_[] = "kestrel_tests";
    static inline int argc_ = 1;
    static inline char* argv_[] = {name_, nullptr};
};

} // namespace kestrel::test
