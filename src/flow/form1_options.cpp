// The ｵﾌﾟｼｮﾝ menu and the settings file: background picture, move guidance,
// elapsed-time display and music. Every change is written to "Murokan.ini" at
// once; the file is read once, at start-up.
#include "flow/form1.h"
#include "settings/settings_file.h"

namespace murokan {

namespace {

// The background items in the order the settings writer looks for a tick.
struct BackgroundItem {
    std::string_view name;
    int code;
};
constexpr BackgroundItem kBackgrounds[] = {{"MIDORI", HAIKEI_MIDORI},
                                           {"TAKE", HAIKEI_TAKE},
                                           {"TATAMI", HAIKEI_TATAMI},
                                           {"UCHU", HAIKEI_UCHU},
                                           {"RENGA", HAIKEI_RENGA}};

std::string_view background_item(int code) {
    for (const BackgroundItem& b : kBackgrounds) {
        if (b.code == code) return b.name;
    }
    return {};
}

}  // namespace

void Form1::OPTION_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

// One background item: tick it (when it is not ticked yet), store the file,
// repaint everything over the new background.
void Form1::background_click(int code) {
    if (!pf.menu.checked(background_item(code))) {
        チェック設定(code);
        opt.haikei = code;
    }
    書込_環境設定ファイル();
    screen.画面_再描画();
}

void Form1::MIDORI_Click() {
    background_click(HAIKEI_MIDORI);
}
void Form1::TATAMI_Click() {
    background_click(HAIKEI_TATAMI);
}
void Form1::TAKE_Click() {
    background_click(HAIKEI_TAKE);
}
void Form1::UCHU_Click() {
    background_click(HAIKEI_UCHU);
}
void Form1::RENGA_Click() {
    background_click(HAIKEI_RENGA);
}

// The three values of move guidance always change together.
void Form1::guidance_set(bool on) {
    pf.menu.setChecked("SIDOU", on);
    opt.shidou = on ? FLAG_ON : FLAG_OFF;
    opt.shidou_iro = on ? SHIDOU_IRO_ON : SHIDOU_IRO_OFF;
}

void Form1::SIDOU_Click() {
    if (pf.menu.checked("SIDOU")) {
        // Guidance marks may be on screen: give every square its plain outline.
        for (int x = 1; x <= BAN_SIZE; ++x) {
            for (int y = 1; y <= BAN_SIZE; ++y) screen.描画_桝輪郭(MASU_IRO, x, y);
        }
        for (int y = 1; y <= 7; ++y) screen.描画_桝輪郭(MASU_IRO, TEKI_MOCHI_X, y);
        for (int y = 3; y <= 9; ++y) screen.描画_桝輪郭(MASU_IRO, JI_MOCHI_X, y);
        guidance_set(false);
    } else {
        guidance_set(true);
    }
    書込_環境設定ファイル();
}

void Form1::KEIKA_Click() {
    if (keika_on()) {
        pf.menu.setChecked("KEIKA", false);
        timer_stop();
        screen.消去_所有時間(g.ji_teban);
        screen.消去_所有時間(g.teki_teban);
    } else {
        pf.menu.setChecked("KEIKA", true);
        timer_start();
        screen.描画_所有時間(g.teki_teban, g.teki_jikan);
        screen.描画_所有時間(g.ji_teban, g.ji_jikan);
    }
    書込_環境設定ファイル();
}

void Form1::bgm_set(bool on) {
    pf.menu.setChecked("BGM", on);
    if (on) {
        pf.sound.dsPlayLooping(oto_bgm);
    } else {
        pf.sound.dsStop(oto_bgm);
    }
}

void Form1::BGM_Click() {
    bgm_set(!pf.menu.checked("BGM"));
    書込_環境設定ファイル();
}

void Form1::設定_既定値適用() {
    チェック設定(HAIKEI_MIDORI);
    screen.描画_背景(HAIKEI_MIDORI);
    opt.haikei = HAIKEI_MIDORI;
    guidance_set(false);
    pf.menu.setChecked("KEIKA", true);
    bgm_set(true);
}

void Form1::読込_環境設定ファイル() {
    const settings::ReadResult r = settings::read(settings::FILE_NAME);
    for (const settings::Line& line : r.lines) {
        switch (line.key) {
            case settings::Key::背景画:
                チェック設定(line.value);
                screen.描画_背景(line.value);
                opt.haikei = line.value;
                break;
            case settings::Key::移動指導:
                guidance_set(line.value == 1);
                break;
            case settings::Key::経過時間:
                pf.menu.setChecked("KEIKA", line.value == 1);
                break;
            case settings::Key::BGM:
                // Only "ON" starts the music. Anything else clears the tick, and
                // stops music that an earlier line of the file started, so that
                // the tick and what is heard agree.
                if (line.value == 1) {
                    bgm_set(true);
                } else if (pf.menu.checked("BGM")) {
                    bgm_set(false);
                } else {
                    pf.menu.setChecked("BGM", false);
                }
                break;
        }
    }
    if (r.failed) {
        // A file that cannot be rewritten either leaves nothing to do: the
        // defaults apply for this run all the same.
        settings::write(settings::FILE_NAME, settings::defaults());
        設定_既定値適用();
    }
}

void Form1::書込_環境設定ファイル() {
    settings::Values v;
    for (const BackgroundItem& b : kBackgrounds) {
        if (pf.menu.checked(b.name)) {
            v.haikei = b.code;
            break;
        }
    }
    v.shidou = pf.menu.checked("SIDOU");
    v.keika = keika_on();
    v.bgm = pf.menu.checked("BGM");
    if (settings::write(settings::FILE_NAME, v)) return;
    settings::write(settings::FILE_NAME, settings::defaults());
    // The ticks follow the defaults; the background and guidance state follow
    // their ticks, so that what is shown and what is ticked never disagree.
    const bool music_was_on = v.bgm;
    チェック設定(HAIKEI_MIDORI);
    if (opt.haikei != HAIKEI_MIDORI) {
        opt.haikei = HAIKEI_MIDORI;
        screen.描画_背景(HAIKEI_MIDORI);
    }
    guidance_set(false);
    pf.menu.setChecked("KEIKA", true);
    pf.menu.setChecked("BGM", true);
    if (!music_was_on) pf.sound.dsPlayLooping(oto_bgm);
}

}  // namespace murokan
