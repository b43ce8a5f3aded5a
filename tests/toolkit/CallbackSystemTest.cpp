#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/CallbackSystem.hpp"

namespace {

using Context = tk::ActionContext<std::string>;

const Context kA{nullptr, nullptr, "a"};

TEST(CallbackSystemTest, OnlyConnectedCallbacksOfTheIdentifierRunInConnectionOrder) {
    tk::CallbackSystem<std::string> callbacks;
    std::vector<int> calls;
    callbacks.connect("a", [&calls](Context) { calls.push_back(1); });
    callbacks.connect("b", [&calls](Context) { calls.push_back(2); });
    tk::Connection third = callbacks.connect("a", [&calls](Context) { calls.push_back(3); });
    EXPECT_FALSE(callbacks.connect("a", nullptr).isConnected());
    callbacks.triggerEvent(kA);
    third.disconnect();
    callbacks.triggerEvent(kA);
    EXPECT_EQ(calls, (std::vector<int>{1, 3, 1}));
}

TEST(CallbackSystemTest, CallbackMayDisconnectAndConnectWhileTriggered) {
    tk::CallbackSystem<std::string> callbacks;
    auto self = std::make_shared<tk::Connection>();
    std::vector<std::string> calls;
    *self = callbacks.connect("a", [&, self](Context) {
        calls.push_back("self");
        self->disconnect();
        callbacks.connect("a", [&calls](Context) { calls.push_back("late"); });
    });
    tk::Connection later;
    callbacks.connect("a", [&later](Context) { later.disconnect(); });
    later = callbacks.connect("a", [&calls](Context) { calls.push_back("skipped"); });
    callbacks.triggerEvent(kA);
    callbacks.triggerEvent(kA);
    // "late" joins from the next trigger on.
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "late"}));
}

}  // namespace
