#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SoundPlayer.h"

namespace pathsum {
namespace {

struct SilentCase {
    const char* name;
    std::function<std::unique_ptr<SoundPlayer>()> make;
};

void PrintTo(const SilentCase& c, std::ostream* out) {
    *out << c.name;
}

class SoundWithoutADeviceTest : public ::testing::TestWithParam<SilentCase> {};

// Every call returns at once, nothing sounds, and the reason is said once however often the
// sound is asked for.
TEST_P(SoundWithoutADeviceTest, SaysSoOnceAndPlaysNothing) {
    const std::unique_ptr<SoundPlayer> player = GetParam().make();
    QSignalSpy unavailable(player.get(), &SoundPlayer::Unavailable);
    QSignalSpy finished(player.get(), &SoundPlayer::Finished);

    EXPECT_FALSE(player->StartTone({1.0, 2.0, 30.0}));
    player->SetTarget({2.0, 2.0, 60.0});
    EXPECT_FALSE(player->IsSounding());
    const std::vector<PlottedPoint> screen = {{0.0, 1.0}, {50.0, 0.0}, {100.0, 1.0}};
    EXPECT_FALSE(player->PlayScreen(screen));
    player->Stop();
    EXPECT_FALSE(player->StartTone({0.0, 2.0, 0.0}));
    EXPECT_FALSE(player->IsSounding());

    ASSERT_EQ(unavailable.count(), 1);
    EXPECT_TRUE(unavailable.at(0).at(0).toString().startsWith("There is no sound device"))
        << unavailable.at(0).at(0).toString().toStdString();
    EXPECT_EQ(finished.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SoundWithoutADeviceTest,
    ::testing::Values(
        SilentCase{"NoDeviceFound",
                   [] { return std::make_unique<SoundPlayer>([] { return QAudioDevice(); }); }},
        // The system's own answer, with no sound server to reach (as the tests' main sees to).
        SilentCase{"TheSystemHasNone", [] { return std::make_unique<SoundPlayer>(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pathsum
