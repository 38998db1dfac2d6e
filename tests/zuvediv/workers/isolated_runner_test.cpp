// Worker processes: results come back whole and in any order, and a hang,
// a crash, an exception, a result cut short, an allocation over the cap or
// the kernel's kill of a worker holding most of it cost only their own
// document, also when it is read in parts; time without progress is what
// counts against the limit.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "workers/isolated_runner.h"
#include "workers/memory_limit.h"
#include "workers/result_wire.h"
#include "workers/wire_codec.h"

// A failed allocation returns null, as without the sanitizer, instead of
// ending the test process.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace zuvediv {
namespace {

DocumentResult sample(size_t index) {
    // A second hit longer than a pipe holds.
    return {DocumentStatus::searched, "", static_cast<int>(index) + 1,
            {{1, "hit, \"quoted\" 𠮷 " + std::to_string(index)}, {2, std::string(100000, 'x')}}, {"image error"}};
}

TEST(ResultWire, RoundTripsAndRejectsTruncation) {
    for (const DocumentResult& original : {sample(4), unread(DocumentStatus::unreadable, "理由"), unread(kLastDocumentStatus)}) {
        const std::string bytes = encode_result(original);
        const auto back = decode_result(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(encode_result(*back), bytes);
        EXPECT_EQ(back->status, original.status);
        for (size_t cut : {size_t{0}, size_t{3}, bytes.size() / 2, bytes.size() - 1})
            EXPECT_FALSE(decode_result(bytes.substr(0, cut))) << cut;
        EXPECT_FALSE(decode_result(bytes + "x"));
    }
    std::string beyond_the_last_status = encode_result(unread(kLastDocumentStatus));
    ++beyond_the_last_status[4];
    EXPECT_FALSE(decode_result(beyond_the_last_status));
}

// Announces a result of 1000 bytes to the coordinator, sends ten, and dies.
[[noreturn]] void die_half_way_through_the_result() {
    for (int fd = 3; fd < 256; ++fd) {
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode) && (fcntl(fd, F_GETFL) & O_ACCMODE) == O_WRONLY)
            (void)!write(fd, "\xE8\x03\x00\x00" "0123456789", 14);
    }
    _exit(1);
}

// Holds most of the cap, touched, and is then killed as the kernel's
// out-of-memory killer would.
// Mapped directly: the sanitizer's own bookkeeping dies near the cap.
[[noreturn]] void killed_holding(size_t bytes) {
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) std::abort();
    std::memset(block, 'x', bytes);
    std::raise(SIGKILL);
    std::abort();
}

// Poppler aborts when an allocation fails. One block over the cap, since
// the sanitizer dies outright when its own bookkeeping finds no memory.
void allocate_or_abort(size_t bytes) {
    void* block = std::malloc(bytes);
    if (!block) std::abort();
    std::free(block);
}

// A job whose orders are the parts themselves, read by `read` in the worker.
WorkerJob job_of(std::function<DocumentResult(const WorkUnit&)> read) {
    WorkerJob job;
    job.order_for = [](const WorkUnit& part) {
        std::string order;
        for (uint32_t field : {static_cast<uint32_t>(part.document), static_cast<uint32_t>(part.first_page),
                               static_cast<uint32_t>(part.end_page)})
            put_u32(order, field);
        return order;
    };
    job.factory = [read](const std::string&) -> DocumentWork {
        return [read](const std::string& order) {
            WireReader in(order);
            uint32_t document = 0;
            WorkUnit part;
            EXPECT_TRUE(in.get(document) && in.get(part.first_page) && in.get(part.end_page));
            part.document = document;
            return read(part);
        };
    };
    return job;
}

const std::string kTimedOut = encode_result(unread(DocumentStatus::timed_out, "1"));
const std::string kCrashed = encode_result(unread(DocumentStatus::crashed));
const std::string kOutOfMemory = encode_result(unread(DocumentStatus::out_of_memory));
std::string shown(const std::optional<DocumentResult>& result) { return encode_result(result.value_or(DocumentResult{})); }

TEST(IsolatedRunner, FailuresCostOnlyTheirDocument) {
    std::vector<std::optional<DocumentResult>> results(14);
    std::vector<size_t> order;
    std::vector<std::string> messages(results.size());
    const RunnerLimits limits{2, std::chrono::milliseconds(1500), size_t{256} << 20};
    const auto started = std::chrono::steady_clock::now();
    RunnerEvents events;
    events.message = [&](size_t index, std::string_view payload) { messages.at(index) += payload; };
    std::vector<int> recognised;
    events.progress = [&](size_t index, const PageProgress& page) {
        EXPECT_EQ(index, 11u);
        recognised.push_back(page.page);
    };
    run_isolated(
        results.size(), limits,
        job_of([](const WorkUnit& part) {
            const size_t index = part.document;
            send_to_coordinator("m" + std::to_string(index));
            if (index == 0) std::this_thread::sleep_for(std::chrono::milliseconds(500));
            if (index == 2) std::this_thread::sleep_for(std::chrono::seconds(30));
            if (index == 3) std::raise(SIGKILL);
            if (index == 5) throw std::runtime_error("boom");
            if (index == 6) die_half_way_through_the_result();
            if (index == 8) allocate_or_abort(size_t{320} << 20);
            if (index == 9) throw std::bad_alloc();  // the sanitizer's new dies instead of throwing
            if (index == 10) std::vector<char> within_cap(size_t{128} << 20, 'x');
            if (index == 13) killed_holding(size_t{208} << 20);
            // A long document telling its progress runs past the limit; one that stops telling is cut off.
            for (int page = 0; page < 8 && (index == 11 || index == 12); ++page) {
                std::this_thread::sleep_for(std::chrono::milliseconds(index == 11 ? 350 : 100));
                tell_progress({page, index == 11});
            }
            if (index == 12) std::this_thread::sleep_for(std::chrono::seconds(30));
            return sample(index);
        }),
        [&](size_t index, DocumentResult r) {
            ASSERT_FALSE(results.at(index)) << "reported twice";
            EXPECT_EQ(messages[index], "m" + std::to_string(index)) << "sent before the result";
            results[index] = std::move(r);
            order.push_back(index);
        },
        events);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_NE(order.front(), 0u) << "the slow first document finishes later";
    EXPECT_EQ(recognised, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    for (size_t i : {0u, 1u, 4u, 7u, 10u, 11u}) EXPECT_EQ(shown(results.at(i)), encode_result(sample(i))) << i;
    const std::pair<size_t, std::string> unread_ones[] = {
        {2, kTimedOut}, {3, kCrashed}, {5, encode_result(unread(DocumentStatus::internal_error, "boom"))}, {6, kCrashed},
        {8, kOutOfMemory}, {9, kOutOfMemory}, {12, kTimedOut}, {13, kOutOfMemory}};
    for (const auto& [i, wire] : unread_ones) EXPECT_EQ(shown(results.at(i)), wire) << i;
}

// Documents of the runner test below, read as the worker reads a PDF: one
// hit per page, naming the part that read it.
struct FakeDocument {
    int pages;
    int hang_on_page = -1, crash_on_page = -1;
    std::chrono::milliseconds per_part{0};
};

DocumentResult read_fake(const FakeDocument& doc, const WorkUnit& part, const SplitPlan& plan) {
    DocumentResult result;
    result.pages = doc.pages;
    const int end = part.is_first_part() ? plan.first_part_end(doc.pages) : part.end_page;
    if (part.is_first_part() && end < doc.pages) result.rest_from = end;
    result.recognised_pages = end - part.first_page;  // as if every page were a scan
    // Parts come back out of order.
    std::this_thread::sleep_for(doc.per_part + std::chrono::milliseconds(part.first_page % 48 == 16 ? 40 : 0));
    for (int page = part.first_page; page < end; ++page) {
        if (page == doc.hang_on_page) std::this_thread::sleep_for(std::chrono::seconds(30));
        if (page == doc.crash_on_page) std::raise(SIGKILL);
        result.hits.push_back({page + 1, "from " + std::to_string(part.first_page)});
    }
    return result;
}

// Merged in page order whichever worker finished first; a hang or a crash
// on one page costs that document, once; a document whose parts each end
// within the limit, but not all of them, goes on.
TEST(IsolatedRunner, SplitDocumentsMergeInPageOrderAndFailAlone) {
    const std::vector<FakeDocument> docs = {
        {100}, {100, 50}, {30}, {100, -1, 70}, {160, -1, -1, std::chrono::milliseconds(600)}, {65}};
    RunnerLimits limits{3, std::chrono::milliseconds(1500)};
    limits.split = split_plan(limits.workers);
    std::vector<std::optional<DocumentResult>> results(docs.size());
    const auto started = std::chrono::steady_clock::now();
    run_isolated(
        docs.size(), limits, job_of([&](const WorkUnit& part) { return read_fake(docs.at(part.document), part, limits.split); }),
        [&](size_t index, DocumentResult r) {
            ASSERT_FALSE(results.at(index)) << "reported twice";
            results[index] = std::move(r);
        });
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    for (size_t i : {0u, 2u, 4u, 5u}) {
        ASSERT_TRUE(results[i] && results[i]->status == DocumentStatus::searched) << i;
        ASSERT_EQ(results[i]->hits.size(), static_cast<size_t>(docs[i].pages)) << i;
        for (int page = 1; page <= docs[i].pages; ++page) {
            const int part_start = docs[i].pages > limits.split.split_above ? (page - 1) / limits.split.part_pages * limits.split.part_pages : 0;
            EXPECT_EQ(results[i]->hits[page - 1].page, page) << i;
            EXPECT_EQ(results[i]->hits[page - 1].context, "from " + std::to_string(part_start)) << i << " page " << page;
        }
        EXPECT_EQ(results[i]->pages, docs[i].pages);
        EXPECT_EQ(results[i]->recognised_pages, docs[i].pages);
        EXPECT_EQ(results[i]->rest_from, 0);
    }
    EXPECT_EQ(shown(results[1]), kTimedOut);
    EXPECT_EQ(shown(results[3]), kCrashed);
}

TEST(MemoryLimit, CapIsOneGibibyteOrHalfTheMemoryShared) {
    const size_t GiB = size_t{1} << 30;
    struct Case { const char* name; int workers; size_t physical, cap; };
    const Case cases[] = {
        {"plenty of memory", 8, 16 * GiB, GiB},
        {"workers share half of it", 16, 16 * GiB, GiB / 2},
        {"no workers count as one", 0, GiB, GiB / 2},
        {"memory unknown", 4, 0, GiB},
    };
    for (const Case& c : cases) EXPECT_EQ(worker_memory_cap(c.workers, c.physical), c.cap) << c.name;
}

}  // namespace
}  // namespace zuvediv
