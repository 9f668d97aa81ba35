// Linked into every test executable: outside the tests that hold the display,
// the whole run goes under a DesktopGuard.

#include "support/desktop_guard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DesktopGuardEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!TestHoldsTheDesktop())
            m_guard = std::make_unique<DesktopGuard>();
    }
    void TearDown() override { m_guard.reset(); }

private:
    std::unique_ptr<DesktopGuard> m_guard;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new DesktopGuardEnvironment);

}  // namespace
