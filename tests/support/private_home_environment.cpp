// Every test of the executable runs with HOME and XDG_DATA_HOME in a temporary folder.
#include "private_home.h"

#include <gtest/gtest.h>

namespace {

class PrivateHomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override { home_ = std::make_unique<vemlik::testing::PrivateHome>(); }
    void TearDown() override { home_.reset(); }

private:
    std::unique_ptr<vemlik::testing::PrivateHome> home_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new PrivateHomeEnvironment);

} // namespace
