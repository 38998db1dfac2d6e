#pragma once
#include <chrono>
#include <thread>

// Polls the condition until it holds or the time is up; whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, long long milliseconds = 15000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
