// Worker processes: results come back whole, hangs and crashes cost only
// their own document.
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include "workers/isolated_runner.h"
#include "workers/result_wire.h"

namespace zuvediv {
namespace {

DocumentResult sample(size_t index) {
    DocumentResult r;
    r.pages = static_cast<int>(index) + 1;
    r.hits.push_back({1, "hit, \"quoted\" 𠮷 " + std::to_string(index)});
    r.hits.push_back({2, std::string(100000, 'x')});  // more than a pipe holds
    r.image_errors.push_back("image error");
    return r;
}

TEST(ResultWire, RoundTripsAndRejectsTruncation) {
    const DocumentResult original = sample(4);
    const std::string bytes = encode_result(original);
    const auto back = decode_result(bytes);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->hits.size(), 2u);
    EXPECT_EQ(back->hits[0].context, original.hits[0].context);
    EXPECT_EQ(back->hits[1].page, 2);
    EXPECT_EQ(back->image_errors, original.image_errors);
    for (size_t cut : {size_t{0}, size_t{3}, bytes.size() / 2, bytes.size() - 1}) {
        EXPECT_FALSE(decode_result(bytes.substr(0, cut))) << cut;
    }
}

TEST(IsolatedRunner, HangCrashAndExceptionAreSkippedOthersComplete) {
    std::vector<std::optional<DocumentResult>> results(6);
    RunnerLimits limits;
    limits.workers = 2;
    limits.time_limit = std::chrono::milliseconds(1500);
    const auto started = std::chrono::steady_clock::now();
    run_isolated(
        results.size(), limits,
        [](size_t index) {
            if (index == 1) std::this_thread::sleep_for(std::chrono::seconds(30));
            if (index == 3) std::raise(SIGSEGV);
            if (index == 5) throw std::runtime_error("boom");
            return sample(index);
        },
        [&](size_t index, DocumentResult r) {
            ASSERT_FALSE(results[index]) << "reported twice";
            results[index] = std::move(r);
        });
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    for (size_t i : {0u, 2u, 4u}) {
        ASSERT_TRUE(results[i]) << i;
        EXPECT_EQ(results[i]->status, DocumentStatus::searched);
        EXPECT_EQ(results[i]->pages, static_cast<int>(i) + 1);
        EXPECT_EQ(results[i]->hits[1].context.size(), 100000u);
    }
    const std::pair<size_t, const char*> skipped[] = {{1, "時間切れ"}, {3, "異常終了"}, {5, "boom"}};
    for (const auto& [i, reason] : skipped) {
        ASSERT_TRUE(results[i]) << i;
        EXPECT_EQ(results[i]->status, DocumentStatus::skipped);
        EXPECT_NE(results[i]->reason.find(reason), std::string::npos) << results[i]->reason;
    }
}

}  // namespace
}  // namespace zuvediv
