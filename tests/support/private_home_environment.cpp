// Every test of the executable runs with HOME and XDG_DATA_HOME in a temporary folder, made
// before the tests start and removed when they end.
#include "private_home.h"

namespace {

const vemlik::testing::PrivateHome home;

} // namespace
