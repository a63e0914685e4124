// The sound module against the recording library: load order and flags, which
// failures warn and which stay silent, and where the wave files are found.
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/recording_platform.h"
#include "wavegen/wave.h"

namespace murokan {
namespace {

namespace fs = std::filesystem;
using platform::RecordingPlatform;

// Runs each test inside a fresh empty directory, restoring the old one afterwards.
class SoundModule : public ::testing::Test {
  protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ =
            fs::temp_directory_path() /
            ("murokan_sound_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        oto_.fallback_dir.clear();
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    static void write(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    void writeAll(const fs::path& dir) {
        for (const auto& w : wavegen::allWaves()) write(dir / fs::u8path(w.name), w.bytes);
    }

    fs::path old_, dir_;
    Oto oto_;
    RecordingPlatform p_;
};

TEST_F(SoundModule, LoadsTheFiveFilesInOrderWithTheirFlags) {
    writeAll(dir_);
    開始_サウンド(p_.platform, oto_, p_.app.windowHandle());
    EXPECT_TRUE(p_.dialogs.messages().empty());
    // Buffers are numbered in creation order: その他, 禁止, 駒打音, BGM, 消滅.
    const int order[] = {oto_.oto_sonota, oto_.oto_kinshi, oto_.oto_koma, oto_.oto_bgm,
                         oto_.oto_shoumetsu};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(order[i], i + 1);
    const auto& flags = p_.sound.buffers();
    EXPECT_EQ(flags.at(oto_.oto_sonota), 3);
    EXPECT_EQ(flags.at(oto_.oto_kinshi), 3);
    EXPECT_EQ(flags.at(oto_.oto_koma), 3);
    EXPECT_EQ(flags.at(oto_.oto_bgm), 1);
    EXPECT_EQ(flags.at(oto_.oto_shoumetsu), 1);
    EXPECT_EQ(p_.sound.nameOf(oto_.oto_koma), "駒打音.wav");

    解放_サウンド(p_.platform, oto_);
    EXPECT_EQ(p_.events, (std::vector<std::string>{"sound free その他.wav", "sound free 禁止.wav",
                                                   "sound free 駒打音.wav", "sound free BGM.wav",
                                                   "sound free 消滅.wav"}));
    EXPECT_FALSE(p_.sound.initialized());
}

TEST_F(SoundModule, NoSoundSystemWarnsOnceAndLeavesEveryBufferZero) {
    writeAll(dir_);
    p_.sound.setAvailable(false);
    開始_サウンド(p_.platform, oto_, 1);
    ASSERT_EQ(p_.dialogs.messages().size(), 1u);
    const auto& m = p_.dialogs.messages()[0];
    EXPECT_EQ(m.title, "Murokan.dll");
    EXPECT_EQ(m.text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(m.icon, platform::Icon::Exclamation);
    for (int b :
         {oto_.oto_sonota, oto_.oto_kinshi, oto_.oto_koma, oto_.oto_bgm, oto_.oto_shoumetsu})
        EXPECT_EQ(b, 0);
    // Shutdown still frees the (zero) buffers, and terminates nothing.
    解放_サウンド(p_.platform, oto_);
    EXPECT_EQ(p_.events.back(), "sound free -");
}

// Each case breaks one file (or all) and says whether a warning is due.
TEST_F(SoundModule, BrokenAndMissingFilesTable) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> content;  // empty with `directory` or `missing`
        bool missing, directory;
        const char* warning;  // nullptr: silent
    };
    const std::vector<Case> cases = {
        {"missing", {}, true, false, nullptr},
        {"a directory of that name", {}, false, true, nullptr},
        {"not a wave file", std::vector<std::uint8_t>(100, 'x'), false, false, nullptr},
        {"empty file", {}, false, false, "インデックスが有効範囲にありません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPlatform p;
        Oto oto;
        oto.fallback_dir.clear();
        const fs::path bgm = fs::u8path("BGM.wav");
        fs::remove_all(bgm);
        if (c.directory)
            fs::create_directory(bgm);
        else if (!c.missing)
            write(bgm, c.content);
        初期化_サウンド(p.platform, oto, 1);
        EXPECT_EQ(読込_音声ファイル(p.platform, oto, "BGM.wav", 1), 0);
        if (c.warning) {
            ASSERT_EQ(p.dialogs.messages().size(), 1u);
            EXPECT_EQ(p.dialogs.messages()[0].text, c.warning);
            EXPECT_EQ(p.dialogs.messages()[0].title, "Murokan.dll");
        } else {
            EXPECT_TRUE(p.dialogs.messages().empty());
        }
        // Playing the missing buffer is harmless and logged as silence.
        p.sound.dsPlayLooping(0);
        EXPECT_EQ(p.events.back(), "sound loop -");
        fs::remove_all(bgm);
    }
}

TEST_F(SoundModule, FallsBackToTheExecutablesFolderButPrefersTheCurrentOne) {
    const fs::path beside = dir_ / "exe";
    fs::create_directories(beside);
    writeAll(beside);
    oto_.fallback_dir = beside;
    // A local 駒打音.wav that is no wave file: taking it proves the current folder wins.
    write(fs::u8path("駒打音.wav"), std::vector<std::uint8_t>(50, 'x'));
    開始_サウンド(p_.platform, oto_, 1);
    EXPECT_NE(oto_.oto_sonota, 0);
    EXPECT_NE(oto_.oto_bgm, 0);
    EXPECT_EQ(oto_.oto_koma, 0);
}

TEST(SoundModuleExe, InTheBuildTreeTheFallbackIsThisTestsFolder) {
    const fs::path dir = Oto{}.fallback_dir;
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(fs::exists(dir / "test_sound"));
}

}  // namespace
}  // namespace murokan
