#include <gtest/gtest.h>

#include "editor/CoreServices.h"

namespace {

// Every test program runs with the tool manager and the sound engine
// connected to the model, as the program does after start-up.
class CoreServicesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { CoreServices::Install(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreServicesEnvironment);

}  // namespace
