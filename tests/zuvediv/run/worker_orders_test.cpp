// What a worker is told crosses a pipe, so every field must come back as it
// went, and a setup or order cut short must be refused, not half-read.
#include <gtest/gtest.h>

#include "run/worker_orders.h"

namespace zuvediv {
namespace {

// Each value comes back from its bytes and encodes to the same bytes again;
// its bytes cut short, or with a byte more, are refused.
template <typename Value, typename Encode, typename Decode>
std::optional<Value> round_trip(const char* name, const Value& value, Encode encode, Decode decode) {
    const std::string bytes = encode(value);
    const std::optional<Value> back = decode(bytes);
    EXPECT_TRUE(back) << name;
    if (back) {
        EXPECT_EQ(encode(*back), bytes) << name;
    }
    for (size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(decode(bytes.substr(0, cut))) << name << cut;
    EXPECT_FALSE(decode(bytes + '\0')) << name;
    return back;
}

struct SetupCase {
    const char* name;
    WorkerSetup setup;
};

WorkerSetup with_images() {
    WorkerSetup setup{"請求書 -x", true, false, "pässwörd", false, ImageRequest{}, SplitPlan{64, 16}};
    setup.images->format = ImageFormat::tiff;
    setup.images->dpi = 300;
    setup.images->style = FrameStyle{0x00FF7F, 3, 100};
    return setup;
}

const SetupCase kSetups[] = {
    {"defaults", WorkerSetup{}},
    {"images, Japanese, split", with_images()},
};

TEST(WorkerOrders, SetupsComeBackAsSentAndCutOnesAreRefused) {
    for (const SetupCase& c : kSetups) {
        const std::optional<WorkerSetup> back = round_trip(c.name, c.setup, encode_setup, decode_setup);
        ASSERT_TRUE(back) << c.name;
        EXPECT_EQ(back->phrase, c.setup.phrase) << c.name;
        EXPECT_EQ(back->images.has_value(), c.setup.images.has_value()) << c.name;
    }
}

struct OrderCase {
    const char* name;
    WorkOrder order;
};

const OrderCase kOrders[] = {
    {"whole document", WorkOrder{{3, 0, 0}, "/docs/a.pdf", std::nullopt, true, "", ""}},
    {"later part, images", WorkOrder{{7, 16, 32}, "Z:\\書類\\b c.pdf", std::nullopt, false, "C:\\出力\\sub", "b c"}},
    {"stored pages with hits", WorkOrder{{1, 0, 0}, "x.pdf", std::vector<int>{2, 5, 40}, false, "/out", "x"}},
    {"no stored page", WorkOrder{{1, 0, 0}, "x.pdf", std::vector<int>{}, false, "", ""}},
};

TEST(WorkerOrders, OrdersComeBackAsSentAndCutOnesAreRefused) {
    for (const OrderCase& c : kOrders) {
        const std::optional<WorkOrder> back = round_trip(c.name, c.order, encode_order, decode_order);
        ASSERT_TRUE(back) << c.name;
        EXPECT_EQ(back->part.document, c.order.part.document) << c.name;
        EXPECT_EQ(back->only_pages, c.order.only_pages) << c.name;
    }
}

}  // namespace
}  // namespace zuvediv
