// Windows workers, started as this program again: every worker sits in a
// Job whose memory limit is the cap and which ends it with the coordinator;
// a crash, a hang or an allocation over the cap costs only its document.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "workers/isolated_runner.h"
#include "workers/memory_limit.h"
#include "workers/result_wire.h"
#include "workers/worker_entry.h"
#include "workers/worker_job_windows.h"

namespace zuvediv {
namespace {

constexpr size_t kCap = size_t{256} << 20;

// Wine 8 keeps a Job's processes but not its limits: it reads them back as
// none and lets a worker grow past its cap.
bool under_wine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// What the worker's Job says of it, as "limit flags", or "none".
std::string own_job_limits() {
    BOOL in_job = FALSE;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
    if (!IsProcessInJob(GetCurrentProcess(), nullptr, &in_job) || !in_job ||
        !QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &info, sizeof info, nullptr))
        return "none";
    return std::to_string(info.ProcessMemoryLimit) + " " + std::to_string(info.BasicLimitInformation.LimitFlags);
}

// The work of these tests' workers: the order names what to do.
DocumentResult act_on(const std::string& order) {
    DocumentResult result;
    if (order == "limits") result.detail = own_job_limits();
    if (order == "crash") *static_cast<volatile int*>(nullptr) = 1;
    if (order == "hang") Sleep(30000);
    if (order == "over the cap") {
        void* block = std::malloc(kCap + (size_t{64} << 20));
        if (!block) std::abort();  // as poppler does
        std::memset(block, 1, kCap + (size_t{64} << 20));
        std::free(block);
    }
    result.pages = 1;
    return result;
}

const WorkerFactory kFactory = [](const std::string&) -> DocumentWork { return act_on; };

std::vector<DocumentResult> run_orders(const std::vector<std::string>& orders) {
    std::vector<DocumentResult> results(orders.size());
    WorkerJob job;
    job.order_for = [&](const WorkUnit& part) { return orders.at(part.document); };
    job.factory = kFactory;
    const RunnerLimits limits{2, std::chrono::milliseconds(3000), kCap};
    run_isolated(orders.size(), limits, job, [&](size_t index, DocumentResult r) { results.at(index) = std::move(r); });
    return results;
}

TEST(WindowsWorkers, EachWorkerIsInAJobWithTheCapThatEndsItWithTheCoordinator) {
    const DocumentResult result = run_orders({"limits"}).at(0);
    const DWORD flags = JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ASSERT_EQ(result.status, DocumentStatus::searched) << result.detail;
    ASSERT_NE(result.detail, "none") << "the worker is in a Job";
    if (under_wine()) return;
    const size_t blank = result.detail.find(' ');
    EXPECT_EQ(result.detail.substr(0, blank), std::to_string(kCap));
    EXPECT_EQ(std::stoul(result.detail.substr(blank + 1)) & flags, flags) << result.detail;
}

TEST(WindowsWorkers, CrashHangAndMemoryOverTheCapCostOnlyTheirDocument) {
    const std::vector<DocumentResult> results = run_orders({"crash", "fine", "hang", "over the cap", "fine"});
    std::vector<std::pair<size_t, DocumentStatus>> unread = {{0, DocumentStatus::crashed}, {2, DocumentStatus::timed_out}};
    if (!under_wine()) unread.push_back({3, DocumentStatus::out_of_memory});
    for (const auto& [index, status] : unread) EXPECT_EQ(results[index].status, status) << index;
    for (size_t index : {1u, 4u}) EXPECT_EQ(results[index].status, DocumentStatus::searched) << index;
}

// Last: no worker starts in this process after it.
TEST(WindowsWorkers, EndingAllWorkersEndsTheBusyOnesAndStartsNoMore) {
    std::vector<DocumentResult> results;
    std::thread search([&] { results = run_orders({"hang", "hang", "fine"}); });
    Sleep(1000);
    end_all_workers();
    search.join();
    for (size_t index : {0u, 1u}) {  // ended, or not started if the machine was slow
        EXPECT_NE(results[index].status, DocumentStatus::searched) << index;
        EXPECT_NE(results[index].status, DocumentStatus::timed_out) << index << ": left to hang";
    }
    EXPECT_EQ(results[2].status, DocumentStatus::no_worker);
}

}  // namespace
}  // namespace zuvediv

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], zuvediv::kWorkerArgument) == 0) return zuvediv::run_worker_process(zuvediv::kFactory);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
