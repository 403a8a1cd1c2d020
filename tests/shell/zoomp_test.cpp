// The zoom-by-percent dialog's model: what Ok takes, what it refuses.
#include "shell/zoomp.h"

#include "platform/fake_ports.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

TEST(Zoomp, OkTakesTheLeadingNumberRoundedHalvesToEven)
{
    struct Caso {
        std::string testo;
        std::optional<std::int32_t> percento;
    };
    const Caso casi[] = {
        {"150%", 150},      {"12.6", 13},         {"12.5", 12},        {"13.5", 14},
        {"  1", 1},         {"2147483647", 2147483647}, {"0%", std::nullopt}, {"-5", std::nullopt},
        {"abc", std::nullopt}, {"0.4", std::nullopt}, {"0.5", std::nullopt}, {"2147483648", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const Caso& c : casi) {
        FakeNotifier notifier;
        Zoomp z(notifier);
        z.Text1 = c.testo;
        EXPECT_EQ(z.Command1_Click(), c.percento) << c.testo;
        EXPECT_EQ(notifier.beeps, c.percento ? 0 : 6) << c.testo;
    }
}

TEST(Zoomp, TheSpinnerWritesThePercent)
{
    FakeNotifier notifier;
    Zoomp z(notifier);
    EXPECT_EQ(z.Text1, "100%");
    z.VScroll1_Change(101);
    EXPECT_EQ(z.Text1, "101%");
    EXPECT_EQ(z.Command1_Click(), 101);
}

} // namespace
} // namespace tramel
