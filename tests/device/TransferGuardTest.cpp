#include "device/TransferGuard.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct TGuardCase {
    const char* name;
    std::function<void()> raise;
    bool leavesTheTransfer; // rethrown; otherwise the step's error line
};

class GuardedStepTest : public ::testing::TestWithParam<TGuardCase> {};

} // namespace

// Only what the panel sent becomes the step's error line; the cancel and every failure of the
// link or the port itself leave the transfer for the controller's exception policy.
TEST_P(GuardedStepTest, OnlyThePanelsAnswerBecomesTheErrorLine) {
    int failures = 0;
    bool rethrown = false;
    try {
        GuardedStep(GetParam().raise, [&] { ++failures; });
    } catch (const std::exception&) {
        rethrown = true;
    }
    EXPECT_EQ(rethrown, GetParam().leavesTheTransfer);
    EXPECT_EQ(failures, GetParam().leavesTheTransfer ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, GuardedStepTest,
    ::testing::Values(
        TGuardCase{"Cancel", [] { throw TStopException(QStringLiteral("Отмена")); }, true},
        TGuardCase{"DroppedCall", [] { throw TModemException(QStringLiteral("NO CARRIER")); }, true},
        TGuardCase{"LinkFailure", [] { throw TCommException(QStringLiteral("no answer")); }, true},
        TGuardCase{"PortGone", [] { throw TCloseException(QStringLiteral("Input/output error")); }, true},
        TGuardCase{"PortError", [] { throw EDeviceError(QStringLiteral("Operation not permitted"), 11); }, true},
        TGuardCase{"ValueNotANumber", [] { throw EConvertError(QStringLiteral("'x' is not a number")); }, false},
        TGuardCase{"OtherFailure", [] { throw std::runtime_error("out of range"); }, false}),
    [](const ::testing::TestParamInfo<TGuardCase>& info) { return std::string(info.param.name); });
