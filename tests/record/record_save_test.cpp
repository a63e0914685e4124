// Saving over a record that is already on disk, as a player's own account does
// it: protected records, modes, symbolic and hard links, the longest names and
// a full disk. Each case runs in a child process (as an ordinary user when the
// tests run as root) and checks the bytes on disk afterwards.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <vector>

#include "record/record_file.h"
#include "record_test_util.h"
#include "support/child_process.h"

namespace murokan {
namespace {

namespace fs = std::filesystem;
using test::Game;
using test::ScratchDir;
using test::パス;
using test::対局;
using test::書く;
using test::読む;

const std::string kOld = "an older record the player kept\r\n";

// The faults a child finds, one line each.
class Report {
  public:
    void expect(bool ok, const std::string& what) {
        if (!ok) text_ += what + "\n";
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

mode_t 権限(const fs::path& p) {
    struct stat st {};
    return stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Temporary files left anywhere under `dir`.
int 一時ファイル数(const fs::path& dir) {
    int n = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir)) n += e.path().extension() == ".tmp";
    return n;
}

棋譜書込結果 保存(Game& game, const fs::path& folder, const std::string& name) {
    return 書込_棋譜(game.g, *game.h, {folder, name, "対局", "先手", "後手"});
}

struct SaveCase {
    const char* name;
    std::string file_name;  // Text1
    // Makes the files the save meets in `dir`; runs as the ordinary user.
    std::function<void(const fs::path& dir)> prepare;
    bool written;
    // Checks the files afterwards; `fresh` is what an unhindered save writes.
    std::function<void(const fs::path& dir, const std::string& fresh, Report&)> check;
};

void 古い記録(const fs::path& p, mode_t mode = 0644) {
    書く(p, kOld);
    chmod(p.c_str(), mode);
}

// link.棋譜 in `d`, leading by a relative path to real/<target>.棋譜: an old
// record of `mode`, or none when `mode` is 0.
void リンク(const fs::path& d, const std::string& target, mode_t mode) {
    fs::create_directory(d / "real");
    if (mode != 0) 古い記録(d / "real" / パス(target + ".棋譜"), mode);
    fs::create_symlink(パス("real/" + target + ".棋譜"), d / パス("link.棋譜"));
}

std::vector<SaveCase> save_cases() {
    const std::string name255(255 - 7, 'a');  // with ".棋譜" (7 bytes): the longest name
    return {
        {"read-only record", "keep",
         [](const fs::path& d) { 古い記録(d / パス("keep.棋譜"), 0444); }, false,
         [](const fs::path& d, const std::string&, Report& r) {
             r.expect(読む(d / パス("keep.棋譜")) == kOld, "the protected record changed");
             r.expect(権限(d / パス("keep.棋譜")) == 0444, "its mode changed");
         }},
        {"mode kept", "keep", [](const fs::path& d) { 古い記録(d / パス("keep.棋譜"), 0640); },
         true,
         [](const fs::path& d, const std::string& fresh, Report& r) {
             r.expect(読む(d / パス("keep.棋譜")) == fresh, "the record was not replaced");
             r.expect(権限(d / パス("keep.棋譜")) == 0640, "mode 0640 was not kept");
         }},
        {"symbolic link", "link", [](const fs::path& d) { リンク(d, "target", 0644); }, true,
         [](const fs::path& d, const std::string& fresh, Report& r) {
             r.expect(fs::is_symlink(d / パス("link.棋譜")), "the link was replaced by a file");
             r.expect(読む(d / "real" / パス("target.棋譜")) == fresh,
                      "the link's target did not receive the record");
         }},
        {"link to a read-only record", "link", [](const fs::path& d) { リンク(d, "target", 0444); },
         false,
         [](const fs::path& d, const std::string&, Report& r) {
             r.expect(fs::is_symlink(d / パス("link.棋譜")), "the link was replaced by a file");
             r.expect(読む(d / "real" / パス("target.棋譜")) == kOld,
                      "the protected record changed");
         }},
        {"link to a record not written yet", "link", [](const fs::path& d) { リンク(d, "new", 0); },
         true,
         [](const fs::path& d, const std::string& fresh, Report& r) {
             r.expect(fs::is_symlink(d / パス("link.棋譜")), "the link was replaced by a file");
             r.expect(読む(d / "real" / パス("new.棋譜")) == fresh,
                      "the link's target is not the record");
         }},
        {"hard link", "keep",
         [](const fs::path& d) {
             古い記録(d / パス("keep.棋譜"));
             fs::create_hard_link(d / パス("keep.棋譜"), d / パス("other.棋譜"));
         },
         true,
         [](const fs::path& d, const std::string& fresh, Report& r) {
             r.expect(読む(d / パス("keep.棋譜")) == fresh, "the record was not replaced");
             r.expect(読む(d / パス("other.棋譜")) == kOld, "the other name lost the old record");
         }},
        {"255-byte name", name255, [=](const fs::path& d) { 古い記録(d / (name255 + ".棋譜")); },
         true,
         [=](const fs::path& d, const std::string& fresh, Report& r) {
             r.expect(読む(d / (name255 + ".棋譜")) == fresh, "the record was not replaced");
         }},
        {"read-only folder", "keep",
         [](const fs::path& d) {
             古い記録(d / パス("keep.棋譜"));
             chmod(d.c_str(), 0555);
         },
         false,
         [](const fs::path& d, const std::string&, Report& r) {
             r.expect(読む(d / パス("keep.棋譜")) == kOld, "the record changed");
             chmod(d.c_str(), 0755);
         }},
    };
}

// One save case, in the child: the folder `case` receives the save, `ref` an
// unhindered save of the same game for comparison.
std::string run_save_case(const SaveCase& c, const fs::path& dir) {
    if (std::string why = test::become_ordinary_user(dir); !why.empty()) return "skip: " + why;
    const fs::path folder = dir / "case";
    fs::create_directory(folder);
    fs::create_directory(dir / "ref");
    c.prepare(folder);
    Game game = 対局(6);
    const 棋譜書込結果 ref = 保存(game, dir / "ref", "ref");
    Report r;
    r.expect(ref.書込済, "the reference save failed");
    const 棋譜書込結果 saved = 保存(game, folder, c.file_name);
    r.expect(saved.書込済 == c.written, c.written ? "refused" : "reported as written");
    r.expect(saved.messages.size() == 1 &&
                 saved.messages[0].text ==
                     (c.written ? "棋譜を書き込みました" : "棋譜ﾌｧｲﾙを書き込めませんでした"),
             "wrong message");
    c.check(folder, 読む(dir / "ref" / パス("ref.棋譜")), r);
    r.expect(一時ファイル数(dir) == 0, "a temporary file was left behind");
    return r.text();
}

TEST(RecordSaveTest, SavingOverRecordsAsAnOrdinaryUser) {
    for (const SaveCase& c : save_cases()) {
        ScratchDir dir;
        const test::ChildOutcome out =
            test::run_in_child(60, [&] { return run_save_case(c, dir.path()); });
        if (out.report.rfind("skip: ", 0) == 0) GTEST_SKIP() << out.report;
        EXPECT_TRUE(out.finished) << c.name;
        EXPECT_EQ(out.report, "") << c.name;
    }
}

void 書き込む(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

// In the child: a mount namespace of its own with a tmpfs of `size` on `at`.
// Root needs only the namespace; anyone else first needs a user namespace.
std::string 小さなディスク(const fs::path& at, const char* size) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "no mount namespace may be made";
        書き込む("/proc/self/setgroups", "deny");
        書き込む("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        書き込む("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
    }
    // Nothing mounted here may reach the namespace the tests run in.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return "the mounts cannot be made private";
    }
    const std::string options = std::string("size=") + size + ",mode=0700";
    if (mount("murokan-test", at.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
              options.c_str()) != 0) {
        return "no tmpfs may be mounted";
    }
    return {};
}

// Fills the file system of `p` to the last block.
void 満杯にする(const fs::path& p) {
    const int fd = open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string block(4096, 'f');
    while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
    }
    if (fd >= 0) close(fd);
}

TEST(RecordSaveTest, AFullDiskLeavesTheOldRecordWhole) {
    ScratchDir dir;
    const test::ChildOutcome out = test::run_in_child(60, [&]() -> std::string {
        if (std::string why = 小さなディスク(dir.path(), "64k"); !why.empty()) {
            return "skip: a full disk needs a small file system of its own, and " + why;
        }
        const fs::path keep = dir.path() / パス("keep.棋譜");
        const fs::path filler = dir.path() / "filler";
        古い記録(keep);
        満杯にする(filler);
        Game game = 対局(6);
        Report r;
        const 棋譜書込結果 full = 保存(game, dir.path(), "keep");
        r.expect(!full.書込済, "a save onto a full disk was reported as written");
        r.expect(
            full.messages.size() == 1 && full.messages[0].text == "棋譜ﾌｧｲﾙを書き込めませんでした",
            "wrong message");
        r.expect(読む(keep) == kOld, "the old record changed");
        r.expect(一時ファイル数(dir.path()) == 0, "a temporary file was left behind");
        // With room again the same save goes through: it was the disk.
        fs::remove(filler);
        r.expect(保存(game, dir.path(), "keep").書込済, "the save failed with room to spare");
        r.expect(読む(keep).size() > kOld.size(), "the record was not replaced");
        return r.text();
    });
    if (out.report.rfind("skip: ", 0) == 0) GTEST_SKIP() << out.report;
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(out.report, "");
}

}  // namespace
}  // namespace murokan
