// The driver's window: the recording platform the game runs on in a script,
// and the image canvas that `shot` paints, made on first use.
#pragma once

#include <memory>

#include "platform/fake_record_panel.h"
#include "platform/platform.h"
#include "platform/recording_analysis.h"
#include "platform/recording_platform.h"
#include "script/share_fakes.h"

namespace murokan::platform {
class ImageCanvas;
}

namespace murokan::script {

struct ScriptWindow {
    ScriptWindow();
    ~ScriptWindow();
    ScriptWindow(const ScriptWindow&) = delete;
    ScriptWindow& operator=(const ScriptWindow&) = delete;

    platform::RecordingPlatform pf;
    // The record panel the script uses as the user (commands_panel.cpp); Form1
    // takes it with attachRecordPanel.
    platform::FakeRecordPanel panel;
    // Where `tick` delivers Timer1 (Form1, once it is connected).
    platform::EventSink* sink = nullptr;
    // The offscreen picture of everything drawn; made by the first `shot`.
    std::unique_ptr<platform::ImageCanvas> image;
    // The analysis panel, background work and clipboard of 検討 and 棋譜解析;
    // the clipboard serves the 編集 menu too.
    platform::RecordingAnalysis analysis;
    // The off-screen picture and the save dialog (share_fakes.h).
    ScriptSharing sharing{pf.events};
};

// Makes the one Qt application of the process, on the offscreen platform,
// unless there is one: pictures and fonts need it (commands_window.cpp).
void ensureGuiApplication();

}  // namespace murokan::script
